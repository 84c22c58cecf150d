#!/usr/bin/python3
"""The weton reading by keyboard alone, on the real program: Alt+W opens the
weton window over the main window's birth data (9 May 1966, 12:00), a
partner born 17 August 1945 at 10:00 is ticked and typed, Enter writes the
reading, which is then saved as a PDF and read back with pdftotext, and
the record file is not written; then a birth after sunset (20 December
1983, 19:30) typed into the main window gives the next day's weton, and a
partner's 29 February is refused in a common year and taken in a leap
year; and without its sound the reading gives the error box and the
program goes on.

Usage: weton.py <folder holding temparoka and tmk.wav>
"""
import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'support'))
from harness import MAIN, OUTPUT, Harness, check, check_says, run_script  # noqa: E402

WETON = '^Weton$'


def weton_by_keyboard(bindir):
    with Harness(bindir) as h:
        folder = h.program_folder()
        program = h.start(folder)
        main = h.window(MAIN, program)

        h.keys(main, 'alt+w')
        weton = h.window(WETON, program)
        # "Pasangan" has the focus: Space ticks it, the fields follow in order;
        # Enter in a field presses "Baca weton".
        h.keys(weton, 'space', 'Tab', *'17081945', 'Tab', *'1000', 'Return')
        output = h.window(OUTPUT, program)
        text = h.copy(output, 'ctrl+a', 'ctrl+c')
        for words in ('Senin Legi', 'Neptu Anda 9', 'Jumat Legi', 'Neptu pasangan Anda 11', '9 + 11 = 20',
                      'Hitungan jodoh: Topo', 'This reading is for entertainment only.'):
            check(words in text, f'the reading lacks {words!r}: {text!r}')

        pdf = h.save_pdf(output, program, 'Weton kami.pdf')
        for words in ('Weton Temparoka', 'Senin Legi', 'Jumat Legi', '9 + 11 = 20', 'Topo'):
            check(words in pdf, f'the PDF lacks {words!r}; it holds: {pdf!r}')
        h.keys(output, 'Escape')
        h.gone(OUTPUT, program)
        h.keys(weton, 'Escape')
        h.gone(WETON, program)

        check(not os.path.exists(os.path.join(folder, 'temparoka.dat')), 'a weton reading wrote the record file')
        h.still_alive(program)

        # Born on a Tuesday evening, typed into a fresh program: from
        # "&Ramalan", two Tabs lead to the time of birth, two more to the
        # birthday.
        program = h.start(h.program_folder('evening'))
        main = h.window(MAIN, program)
        h.keys(main, 'Tab', 'Tab', *'1930', 'Tab', 'Tab', *'20121983', 'alt+w')
        weton = h.window(WETON, program)
        h.keys(weton, 'Return')
        output = h.window(OUTPUT, program)
        text = h.copy(output, 'ctrl+a', 'ctrl+c')
        for words in ('20 Desember 1983, pukul 19.30, setelah matahari terbenam', 'malam Rabu',
                      'Rabu Legi', 'In the Javanese reckoning the day begins at sunset'):
            check(words in text, f'the reading after sunset lacks {words!r}: {text!r}')
        check('Pasangan' not in text, f'the unticked partner is in the reading: {text!r}')
        h.keys(output, 'Escape')
        h.gone(OUTPUT, program)
        # A partner's 29 February of a common year is refused in both
        # languages and the field keeps its date, ready to be typed again;
        # the 29 February of 2000 is taken as typed: Selasa Kliwon.
        h.keys(weton, 'space', 'Tab', *'29021989')
        check_says(h.box_text(program), 'Tanggal 29/02/1989 tidak ada', 'There is no 29/02/1989',
                   'tetap 20/12/1983', 'stays 20/12/1983')
        h.keys(weton, *'29022000', 'Return')
        output = h.window(OUTPUT, program)
        text = h.copy(output, 'ctrl+a', 'ctrl+c')
        check('Selasa Kliwon' in text, f'the partner born 29 February 2000 is not Selasa Kliwon: {text!r}')
        h.keys(output, 'Escape')
        h.gone(OUTPUT, program)
        h.keys(weton, 'Escape')
        h.gone(WETON, program)
        h.still_alive(program)

        # Without the gong: the error box, no reading, and the program lives.
        h.silent_reading_fails('alt+w', WETON, 'Return')


if __name__ == '__main__':
    run_script('WetonByKeyboard', weton_by_keyboard)
