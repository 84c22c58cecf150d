#!/usr/bin/python3
"""Keeping a reading, on the real program: a weekly reading from a record
with two earlier weeks, saved with Ctrl+S as a PDF by typing its path into
the save dialog, its text read back with pdftotext; then Ctrl+H lists the
earlier readings, newest first, with their weeks.

Usage: keeping.py <folder holding temparoka and tmk.wav>
"""
import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'support'))
from harness import MAIN, OUTPUT, Harness, check, run_script, seeded_record  # noqa: E402

EARLIER = '^Riwayat ramalan$'
# Week 52 lies after this week 50: it was last year's.
EARLIER_WEEKS = [(2, 3, 1, 52), (4, 2, 2, 48)]


def keeping_a_reading(bindir):
    with Harness(bindir) as h:
        program = h.start(h.program_folder(record=seeded_record(50, shown=EARLIER_WEEKS)))
        main = h.window(MAIN, program)
        h.keys(main, 'Return')
        output = h.window(OUTPUT, program)
        first_line = h.copy(output, 'ctrl+a', 'ctrl+c').split('\n')[7]

        text = h.save_pdf(output, program, 'Ramalan minggu ini.pdf')
        for words in ('Temparoka melihat:', 'Temparoka sees:', first_line):
            check(words in text, f'the PDF lacks {words!r}; it holds: {text!r}')

        h.keys(output, 'ctrl+h')
        earlier = h.window(EARLIER, program)
        listed = [line.split(' \u2014 ')[0] for line in h.copy(earlier, 'ctrl+a', 'ctrl+c').split('\n')]
        check(listed == ['Minggu ke-50', 'Minggu ke-48', 'Minggu ke-52 (tahun lalu)'], f'the earlier readings: {listed}')
        h.keys(earlier, 'Escape')
        h.gone(EARLIER, program)
        h.keys(output, 'Escape')
        h.gone(OUTPUT, program)
        h.still_alive(program)


if __name__ == '__main__':
    run_script('KeepingAReading', keeping_a_reading)
