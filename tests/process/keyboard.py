#!/usr/bin/python3
"""Both readings by keyboard alone, on the real program: a weekly reading
with its card taken by keyboard, and a dream reading whose river motif asks
its question. Keys are sent with plain `xdotool key` after the window has
the focus; a synthetic key sent to a window can stick and repeat.

Usage: keyboard.py <folder holding temparoka and tmk.wav>
"""
import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'support'))
from harness import (MAIN, OUTPUT, SEEN_PREDICTION, Harness, check, draws, history, read_bytes,  # noqa: E402
                     run_script, xvfb)

DREAM = '^Mimpi$'
RIVER = '^Temparoka minta keterangan - Clarificatino needed$'
# The dream window's keyboard order, from the feeling to the river motif.
TABS_TO_RIVER = 14


def both_readings_by_keyboard(bindir):
    with Harness(bindir) as h:
        folder = h.program_folder()
        program = h.start(folder)
        main = h.window(MAIN, program)

        # "&Ramalan" has the focus at the start: Enter deals the cards. The
        # deal (4.2 s) reads no keys and drops those typed meanwhile as it
        # ends; of three more key reads, the Return's and a dropped one may
        # be two.
        h.keys(main, 'Return')
        xvfb.reads_keys(h.display, main, 3)
        h.keys(main, 'Tab', 'Tab', 'space')  # the third card
        output = h.window(OUTPUT, program)
        text = h.copy(output, 'ctrl+a', 'ctrl+c')
        check('Temparoka melihat:' in text, 'the weekly reading is not in the output window')
        h.keys(output, 'Escape')
        h.gone(OUTPUT, program)
        record = read_bytes(os.path.join(folder, 'temparoka.dat'))
        check(history(record)[-1] == SEEN_PREDICTION, f'recorded {history(record)[-1]}')
        check(draws(record)[-1][1] == 3, f'the draw recorded card {draws(record)[-1][1]}, not 3')

        # Alt+M is "&Mimpi". The dream window opens on the feeling; Tab walks
        # to the river motif, Space ticks it and its question comes up.
        h.keys(main, 'alt+m')
        dream = h.window(DREAM, program)
        h.keys(dream, *['Tab'] * TABS_TO_RIVER, 'space')
        river = h.window(RIVER, program)
        h.keys(river, 'Down', 'Return')  # "tidak - no", then "Selesai"
        h.gone(RIVER, program)
        # No push button has the focus: Enter presses "Arti mimpi Anda".
        h.keys(dream, 'Return')
        output = h.window(OUTPUT, program)
        text = h.copy(output, 'ctrl+a', 'ctrl+c')
        check('Anda akan tetap berada dalam keadaan sehat.' in text,
              f'the river answer "no" is not in the dream reading: {text!r}')
        h.keys(output, 'Escape')
        h.gone(DREAM, program)  # the dream window closes with its reading
        h.still_alive(program)


if __name__ == '__main__':
    run_script('BothReadingsByKeyboard', both_readings_by_keyboard)
