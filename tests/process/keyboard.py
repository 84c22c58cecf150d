#!/usr/bin/python3
"""Both readings by keyboard alone, on the real program: a weekly reading
with its card taken by keyboard, and a dream reading whose river motif asks
its question. Keys are sent with plain `xdotool key` after the window has
the focus; a synthetic key sent to a window can stick and repeat.

Usage: keyboard.py <folder holding temparoka and tmk.wav>
"""
import os
import sys
import time

sys.dont_write_bytecode = True
import faults  # noqa: E402  (the shared harness beside this file)
from faults import MAIN, OUTPUT, Failure, Harness, check, draws, history, read_bytes, run  # noqa: E402

DREAM = '^Mimpi$'
RIVER = '^Temparoka minta keterangan - Clarificatino needed$'
# The dream window's keyboard order, from the feeling to the river motif.
TABS_TO_RIVER = 14


def copied_text(h, window):
    """Selects all of a window's text, copies it and reads the clipboard."""
    h.keys(window, 'ctrl+a', 'ctrl+c')

    def clipboard():
        out = run('xclip', '-o', '-selection', 'clipboard', timeout=5, env=h.env())
        return out.returncode == 0 and out.stdout

    return h.wait_for(clipboard, 'nothing could be copied from the window', 5)


def both_readings_by_keyboard(bindir):
    with Harness(bindir) as h:
        folder = h.program_folder()
        program = h.start(folder)
        main = h.window(MAIN, program)

        # "&Ramalan" has the focus at the start: Enter deals the cards. The
        # deal takes 4.2 s (the prompt fades in, five cards half a second
        # apart); keys pressed meanwhile would be dropped.
        h.keys(main, 'Return')
        time.sleep(7)
        h.keys(main, 'Tab', 'Tab', 'space')  # the third card
        output = h.window(OUTPUT, program)
        check('Temparoka melihat:' in copied_text(h, output), 'the weekly reading is not in the output window')
        h.keys(output, 'Escape')
        h.gone(OUTPUT, program)
        record = read_bytes(os.path.join(folder, 'temparoka.dat'))
        check(history(record)[-1] == faults.SEEN_PREDICTION, f'recorded {history(record)[-1]}')
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
        text = copied_text(h, output)
        check('Anda akan tetap berada dalam keadaan sehat.' in text,
              f'the river answer "no" is not in the dream reading: {text!r}')
        h.keys(output, 'Escape')
        h.gone(DREAM, program)  # the dream window closes with its reading
        h.still_alive(program)


def main():
    if len(sys.argv) != 2:
        sys.exit(f'usage: {sys.argv[0]} <program folder>')
    faults.run_case('BothReadingsByKeyboard', both_readings_by_keyboard, sys.argv[1])


if __name__ == '__main__':
    main()
