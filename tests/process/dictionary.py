#!/usr/bin/python3
"""The dream dictionary by keyboard alone, on the real program: Alt+A opens
it with the search field focused; "digigit ular" finds the snake, Down
goes into the list and Space ticks it; back in the field, "flood" finds
the flood, which is ticked too; Enter plays the gong and shows both as one
reading, which is saved as a PDF and read back with pdftotext; the record
file is not written. Without its sound the reading gives the error box and
the program goes on.

Usage: dictionary.py <folder holding temparoka and tmk.wav>
"""
import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'support'))
from harness import MAIN, OUTPUT, Harness, check, run_script  # noqa: E402

KAMUS = '^Kamus Mimpi$'


def dictionary_by_keyboard(bindir):
    with Harness(bindir) as h:
        folder = h.program_folder()
        program = h.start(folder)
        main = h.window(MAIN, program)

        h.keys(main, 'alt+a')
        kamus = h.window(KAMUS, program)
        h.keys(kamus, *'digigit', 'space', *'ular', 'Down', 'space', 'Up', 'ctrl+a', *'flood', 'Down', 'space',
               'Return')
        output = h.window(OUTPUT, program)
        text = h.copy(output, 'ctrl+a', 'ctrl+c')
        for words in ('Ular\nSnake\n', 'Banjir\nFlood\n', 'Ramalan ini hanya hiburan.'):
            check(words in text, f'the reading lacks {words!r}: {text!r}')

        pdf = h.save_pdf(output, program, 'Mimpi semalam.pdf')
        for words in ('Tafsir Mimpi dari Kamus', 'Dream dictionary', 'Ular', 'Snake', 'Banjir', 'Flood'):
            check(words in pdf, f'the PDF lacks {words!r}; it holds: {pdf!r}')
        h.keys(output, 'Escape')
        h.gone(OUTPUT, program)
        h.keys(kamus, 'Escape')
        h.gone(KAMUS, program)
        check(not os.path.exists(os.path.join(folder, 'temparoka.dat')), 'a dictionary reading wrote the record file')
        h.still_alive(program)

        # Without the gong: the error box, no reading, and the program lives.
        h.silent_reading_fails('alt+a', KAMUS, *'ulat', 'Return')


if __name__ == '__main__':
    run_script('DictionaryByKeyboard', dictionary_by_keyboard)
