"""The faults that tools/faults/run.py plants, one at a time, in a copy of src/.

Each is a slip a developer could plausibly make while changing the code: an
off-by-one, a constant a little off, two rules in the wrong order, a line
left out. The suite should fail for each of them; run.py counts how many it
catches.

A fault replaces `old` by `new` in `file` (a path under src/). `old` must
occur exactly once in that file, so that the fault lands where it is meant
to; run.py checks this before it builds anything and refuses a table that
no longer fits the code. When the code changes, re-read it and fix the
entry rather than dropping it.

Entries are kept together by file, so that one fault's file is rebuilt
together with the next fault in the same file instead of twice.
"""

from typing import NamedTuple


class Fault(NamedTuple):
    name: str
    file: str
    old: str
    new: str


WEEKLY = 'core/weekly.cpp'
RANDOM = 'core/random.cpp'
DEAL = 'core/carddeal.cpp'
TABLE = 'core/predictiontable.cpp'
RECORD = 'core/record.cpp'
WRITER = 'core/writer.cpp'
DREAM = 'core/dreamrules.cpp'
SEARCH = 'core/dictionarysearch.cpp'
WINDOW = 'ui/main/weeklyreading.cpp'
SAVING = 'files/safesave.cpp'
RECORD_FILE = 'files/recordfile.cpp'
RECORD_PLACE = 'files/recordplace.cpp'
TEMPORARY = 'files/savetemporary.cpp'
WALK = 'files/folderwalk.cpp'
KEPT = 'files/keptfile.cpp'
HISTORY = 'core/history.cpp'
READING = 'core/reading.cpp'
DOCUMENT = 'export/readingdocument.cpp'
ACTIONS = 'ui/output/readingactions.cpp'
SAVE_DIALOG = 'ui/output/savedialog.cpp'
PAGES = 'export/pages.cpp'
PNG_WRITER = 'export/pngwriter.cpp'

# The end of the dream rules after their table, which one fault moves a rule
# across.
_RULES_AFTER_TABLE = (
    '    };\n'
    '    for (const SimpleRule& rule : kBeforeRiver)\n'
    '        if (a.*rule.motif)\n'
    '            fire(reading, a, rule.lead, rule.feel, rule.amount);\n'
    '    if (a.laut)\n'
    '        fire(reading, a, a.janein == 0 ? "laut.sick" : "laut.healthy", "", 8192);\n'
    '    for (const SimpleRule& rule : kAfterRiver)\n'
    '        if (a.*rule.motif)\n'
    '            fire(reading, a, rule.lead, rule.feel, rule.amount);\n'
    '    if (a.gigicheck && a.zahnoben)\n'
    '        fire(reading, a, "gigi.older", "", 524288);\n'
    '    if (a.gigicheck && a.zahnunten)\n'
    '        fire(reading, a, "gigi.younger", "", 524288);\n'
)

FAULTS = [
    # weekly choice: which text of the table a week's reading shows
    Fault('shift-3.3', WEEKLY, 'random.real() * 3.2 - 1.6', 'random.real() * 3.3 - 1.6'),
    Fault('shift-1.5', WEEKLY, 'random.real() * 3.2 - 1.6', 'random.real() * 3.2 - 1.5'),
    Fault('shift-3.1', WEEKLY, 'random.real() * 3.2 - 1.6', 'random.real() * 3.1 - 1.6'),
    Fault('shift-floor', WEEKLY, 'std::trunc(random.real() * 3.2 - 1.6)', 'std::floor(random.real() * 3.2 - 1.6)'),
    Fault('refuse-lower-weeks-only', WEEKLY, 'shown.week != thisWeek', 'shown.week < thisWeek'),
    Fault('refuse-ignores-variant', WEEKLY,
          'shown.quality == key.quality && shown.variant == key.variant', 'shown.quality == key.quality'),
    Fault('refuse-newest-only', WEEKLY,
          'std::any_of(history.begin(), history.end()', 'std::any_of(history.end() - 1, history.end()'),
    Fault('seed-without-versuch', WEEKLY, 'seventh + s + request.card + versuch', 'seventh + s + request.card'),
    Fault('quality-zero-kept', WEEKLY, '    if (key.quality == 0)\n        key.quality = 1;\n', ''),
    Fault('quality-half-0.4', WEEKLY, 'cycle - random.real() + 0.5', 'cycle - random.real() + 0.4'),
    Fault('band-not-clamped', WEEKLY,
          'std::clamp(lifeStageBand(lifeStage) + shift, 1, 5)', 'lifeStageBand(lifeStage) + shift'),
    Fault('child-7-years', WEEKLY, '8LL * request.children', '7LL * request.children'),
    Fault('age-not-calendar-years', WEEKLY, '(year - calendarYear(request.birthday))',
          'static_cast<long long>((request.today - request.birthday) / 365.25)'),
    Fault('seventh-rounded', WEEKLY, 'std::trunc(request.timeOfBirth * 7)', 'std::round(request.timeOfBirth * 7)'),
    Fault('variant-n-minus-1', WEEKLY, 'r3 * variants + 1', 'r3 * (variants - 1) + 1'),
    Fault('month-29.53', WEEKLY, 'kSynodicMonth = 29.530588', 'kSynodicMonth = 29.53'),
    Fault('band-37-exclusive', WEEKLY, 'value <= 37', 'value < 37'),
    Fault('iso-week-year', WEEKLY, 'const long long year = calendarYear(request.today);',
          'const long long year = calendarYear(request.today'
          ' + (week == 1 && calendarYear(request.today + 7) != calendarYear(request.today) ? 7 : 0)'
          ' - (week >= 52 && calendarYear(request.today - 7) != calendarYear(request.today) ? 7 : 0));'),
    Fault('zyklus-shifted', WEEKLY, 'a % 9 - 4', 'a % 9 - 3'),
    Fault('lunar-time-sign', WEEKLY,
          '((request.today - day) - request.timeOfBirth)', '((request.today - day) + request.timeOfBirth)'),

    # generator
    Fault('real-over-2^32-1', RANDOM, '/ 4294967296.0', '/ 4294967295.0'),
    Fault('range-modulo', RANDOM,
          '(static_cast<std::uint64_t>(m_seed) * n) >> 32', 'static_cast<std::uint64_t>(m_seed) % (n ? n : 1)'),

    # card deal: the seed, the places of the five cards, the fading prompt, the key a draw is kept under
    Fault('deal-seconds', DEAL, 'timeOfDay * 100000', 'timeOfDay * 86400'),
    Fault('deal-rounded', DEAL, 'std::trunc(timeOfDay * 100000)', 'std::round(timeOfDay * 100000)'),
    Fault('card5-narrow', DEAL, 'card == 4 ? windowWidth - 100', 'card == 4 ? windowWidth - 200'),
    Fault('deal-left-then-top', DEAL,
          '        places[card].top = static_cast<int>(std::trunc(random.real() * (windowHeight - 200) + 20));\n'
          '        const int room = card == 4 ? windowWidth - 100 : windowWidth - 200;\n'
          '        places[card].left = static_cast<int>(std::trunc(random.real() * room + 20));\n',
          '        const int room = card == 4 ? windowWidth - 100 : windowWidth - 200;\n'
          '        places[card].left = static_cast<int>(std::trunc(random.real() * room + 20));\n'
          '        places[card].top = static_cast<int>(std::trunc(random.real() * (windowHeight - 200) + 20));\n'),
    Fault('fade-step-17', 'core/carddeal.h', 'kFadeStep = 15;', 'kFadeStep = 17;'),
    Fault('drawkey-double-sum', 'core/drawkey.cpp',
          'long double sum = static_cast<long double>(birthday) + timeOfBirth;', 'double sum = birthday + timeOfBirth;'),

    # prediction table: loading the texts and counting a cell's variants
    Fault('loader-i+3', TABLE, 'while (i + 2 < n)', 'while (i + 3 < n)'),
    Fault('loader-variant-9-max', TABLE,
          'while (variant < kVariants && !table.at', 'while (variant < kVariants - 1 && !table.at'),
    Fault('variant-count-skips-gap', TABLE,
          'while (count < kVariants && !cell(band, quality, count + 1).empty())',
          'while (count < kVariants - 1 && !cell(band, quality, count + 1).empty())'),

    # record: the lists of readings shown and cards drawn
    Fault('record-ignores-variant', RECORD,
          'newest.quality == quality && newest.variant == variant', 'newest.quality == quality'),
    Fault('record-ignores-band', RECORD,
          'newest.band == band && newest.quality == quality', 'newest.quality == quality'),
    Fault('record-keeps-oldest', RECORD,
          'std::shift_left(history.begin(), history.end(), 1);\n    history.back() = PredictionRecord',
          'std::shift_left(history.begin() + 1, history.end(), 1);\n    history.back() = PredictionRecord'),
    Fault('draw-skips-oldest', RECORD, 'it != draws.rend(); ++it', 'it != draws.rend() - 1; ++it'),
    Fault('append-draw-keeps-oldest', RECORD,
          'std::shift_left(draws.begin(), draws.end(), 1);', 'std::shift_left(draws.begin() + 1, draws.end(), 1);'),
    Fault('draw-oldest-wins', RECORD,
          'for (auto it = draws.rbegin(); it != draws.rend(); ++it) {',
          'for (auto it = draws.begin(); it != draws.end(); ++it) {'),

    # the record's merge: what a copy appends to a file another copy changed
    Fault('merge-counts-from-one', RECORD, 'for (std::size_t shift = 0; shift < N; ++shift)',
          'for (std::size_t shift = 1; shift < N; ++shift)'),
    Fault('merge-forgets-what-a-sync-tool-dropped', RECORD,
          '    appendNewest(merged, base, lackedByDisk(base, disk));\n', ''),

    # saving a file: in place, replaced, or left alone, and what is kept of the old one
    Fault('in-place-keeps-old-tail', SAVING, '    if (::ftruncate(file.get(), static_cast<off_t>(bytes.size())) != 0)\n        return systemFailure(errno);\n', ''),
    Fault('read-only-written-by-root', SAVING, 'return (info.st_mode & 0222) == 0;', 'return false;'),
    Fault('second-name-split-off', SAVING, 'old.st_nlink > 1', 'old.st_nlink > 2'),
    Fault('in-place-without-a-file', SAVING, 'if (exists && isPermissionProblem(error))', 'if (isPermissionProblem(error))'),
    Fault('new-file-loses-mode', SAVING, 'exists ? old.st_mode & 07777 : newFileMode(access)', 'newFileMode(access)'),
    Fault('new-record-open-to-others', SAVING, 'return access == NewFileAccess::Private ? 0600 : 0666 & ~currentUmask();',
          'return 0666 & ~currentUmask();'),
    Fault('owner-not-kept', SAVING, 'if (exists && !takeOwner(file.get(), old)) {', 'if (false) {'),
    Fault('lock-given-up', SAVING,
          '    m_problem = "Temparoka in another window is saving there; wait a moment, then try again";\n', ''),
    Fault('leftovers-of-running-saves-removed', TEMPORARY,
          'return pid != ::getpid() && !(::kill(pid, 0) != 0 && errno == ESRCH);', 'return false;'),
    Fault('leftovers-of-others-removed', TEMPORARY, 'S_ISREG(info.st_mode) &&\n            info.st_uid == ::geteuid()',
          'S_ISREG(info.st_mode)'),
    Fault('leftovers-taken-where-the-system-cannot-tell', TEMPORARY,
          "if (tag.empty() || all.size() < kDigits + 1 || !all.starts_with('.'))",
          "if (all.size() < kDigits + 1 || !all.starts_with('.'))"),
    Fault('leftovers-kept', SAVING, '    removeLeftovers(folder.get());\n', ''),
    Fault('failed-write-leaves-new-file', SAVING, 'return discard(written);', 'return written;'),
    Fault('link-replaced-by-file', WALK, 'if (S_ISREG(info.st_mode))\n            return FoundFile{',
          'if (S_ISREG(info.st_mode) || S_ISLNK(info.st_mode))\n            return FoundFile{'),
    Fault('others-link-followed', WALK, 'if (!trustedOwner(info.st_uid))\n            return Failure{kLinkOfAnotherUser};',
          'if (false)\n            return Failure{kLinkOfAnotherUser};'),

    # the record file: where it lives and what its merge starts from
    Fault('base-not-taken-at-load', RECORD_FILE, '    m_base = loaded.value();\n', ''),
    Fault('base-not-kept-after-save', RECORD_FILE, '    m_base = merged;\n', ''),
    Fault('lock-not-waited-for', RECORD_FILE,
          '    if (!lock.problem().empty())\n        fail(Failure{lock.problem(), lock.error()});\n', ''),
    Fault('relative-data-home-taken', RECORD_PLACE, "xdgDataHome[0] == '/' &&", "xdgDataHome[0] &&"),
    Fault('root-home-taken', RECORD_PLACE, '    if (isRoot(folder))\n', '    if (false)\n'),
    Fault('installed-folder-written', RECORD_PLACE, 'programFolder.starts_with("/usr/")', 'programFolder.starts_with("/usr/lib/")'),
    Fault('program-folder-open-to-others', RECORD_PLACE,
          '    if (!folder.ok() || !closedToOthers(folder.value()).ok())\n', '    if (!folder.ok())\n'),
    Fault('others-record-taken', RECORD_PLACE, 'there.st_uid == ::geteuid() ? Location(beside) : inDataFolder()',
          'Location(beside)'),
    Fault('root-takes-users-home', RECORD_PLACE, '        if (!rootsOwn(home))\n            home = nullptr;\n', ''),
    Fault('data-folder-of-others-used', RECORD_PLACE,
          '    if (found.value().owner != ::geteuid())\n'
          '        return Failure{"the data folder " + path + " belongs to another user"};\n', ''),

    # error box: the full stop added to a message
    Fault('errorbox-signed-char', 'core/errors.cpp',
          "static_cast<unsigned char>(text.back()) > '.'", "text.back() > '.'"),

    # writers: the opening, the blocks and the pairs in the output window
    Fault('opening-count-english-missing', WRITER,
          'writer.appendLine(count + " full moon', 'writer.appendLine(" full moon'),
    Fault('block-bracket-line-dropped', WRITER, '            if (line != "[")\n                writer.appendLine(line);\n', ''),
    Fault('pair-ends-blue', WRITER,
          '        writer.appendLine(english);\n    writer.setLanguage(Language::Indonesian);\n',
          '        writer.appendLine(english);\n'),

    # dream rules: which pairs a dream brings, in which order, and the sum behind the closing
    Fault('dream-snake-after-dog', DREAM,
          '        {&DreamAnswers::ular, "ular.liked", "ular.feel", 1024},\n'
          '        {&DreamAnswers::anjing, "anjing.decision", "anjing.feel", 32},\n',
          '        {&DreamAnswers::anjing, "anjing.decision", "anjing.feel", 32},\n'
          '        {&DreamAnswers::ular, "ular.liked", "ular.feel", 1024},\n'),
    Fault('dream-river-after-lost-friend', DREAM,
          '        {&DreamAnswers::ikan, "ikan.wealth", "ikan.feel", 4096},\n'
          '    };\n'
          '    static constexpr SimpleRule kAfterRiver[] = {\n'
          '        {&DreamAnswers::pachilang, "pachilang.opponent", "pachilang.feel", 16384},\n',
          '        {&DreamAnswers::ikan, "ikan.wealth", "ikan.feel", 4096},\n'
          '        {&DreamAnswers::pachilang, "pachilang.opponent", "pachilang.feel", 16384},\n'
          '    };\n'
          '    static constexpr SimpleRule kAfterRiver[] = {\n'),
    Fault('dream-amounts-swapped', DREAM,
          '"pachilang.feel", 16384},\n        {&DreamAnswers::kerja, "kerja.secret", "kerja.feel", 32768}',
          '"pachilang.feel", 32768},\n        {&DreamAnswers::kerja, "kerja.secret", "kerja.feel", 16384}'),
    Fault('dream-conflict-after-fallen', DREAM,
          '        {&DreamAnswers::conflict, "conflict.storm", "conflict.feel", 65536},\n'
          '        {&DreamAnswers::fallen, "fallen.family", "fallen.feel", 131072},\n',
          '        {&DreamAnswers::fallen, "fallen.family", "fallen.feel", 131072},\n'
          '        {&DreamAnswers::conflict, "conflict.storm", "conflict.feel", 65536},\n'),
    Fault('dream-orang-2049', DREAM, '"orang.feel", 2048}', '"orang.feel", 2049}'),
    Fault('dream-closing-without-colour', DREAM, 'summe + colour + feeling', 'summe + feeling'),
    Fault('dream-alive-without-kanal', DREAM, 'if (a.kanal && a.hidup)', 'if (a.hidup)'),
    Fault('dream-teeth-swapped', DREAM,
          '    if (a.gigicheck && a.zahnoben)\n'
          '        fire(reading, a, "gigi.older", "", 524288);\n'
          '    if (a.gigicheck && a.zahnunten)\n'
          '        fire(reading, a, "gigi.younger", "", 524288);\n',
          '    if (a.gigicheck && a.zahnunten)\n'
          '        fire(reading, a, "gigi.younger", "", 524288);\n'
          '    if (a.gigicheck && a.zahnoben)\n'
          '        fire(reading, a, "gigi.older", "", 524288);\n'),
    Fault('dream-fame-missing', DREAM,
          '        {&DreamAnswers::auffuehrung, "auffuehrung.fame", "", 262144},\n', ''),
    Fault('dream-fame-after-teeth', DREAM,
          '        {&DreamAnswers::auffuehrung, "auffuehrung.fame", "", 262144},\n' + _RULES_AFTER_TABLE,
          _RULES_AFTER_TABLE + '    if (a.auffuehrung)\n'
          '        fire(reading, a, "auffuehrung.fame", "", 262144);\n'),
    Fault('closing-one-draw', DREAM, '    random.range(6);\n    return', '    return'),
    Fault('feeling-not-added', DREAM, '    reading.summe += feeling;\n', ''),
    Fault('livelonger-256', DREAM, '"tod.livelonger.feel", 265', '"tod.livelonger.feel", 256'),
    Fault('change-despite-anak', DREAM, 'if (a.boot && !a.anak)', 'if (a.boot)'),
    Fault('pastexperience-also', DREAM, '    if (!wrote)\n', '    if (!wrote || a.tdkhidup)\n'),

    # windows: the weekly reading as the main window runs it
    Fault('no-caret-to-start', 'ui/output/ausgabeform.cpp',
          '    if (m_reading.kind == ReadingKind::Weekly || m_reading.kind == ReadingKind::Dictionary)\n'
          '        ui->ausfenster->moveCursor(QTextCursor::Start);\n',
          ''),
    Fault('always-save', WINDOW, '    else if (m_saveOwed)\n        retryOwedSave();', '    else\n        retryOwedSave();'),
    Fault('failed-retry-told-every-time', WINDOW, '        m_owedSaveFailureTold = true;\n', ''),
    Fault('ctrl-h-fires-during-the-deal', WINDOW, '        if (type == QEvent::ShortcutOverride)\n            event->accept();\n', ''),
    Fault('failed-retry-told-only-once-ever', WINDOW,
          '    m_owedSaveFailureTold = false;\n',
          ''),
    Fault('birthday-limit-not-moved-on', 'ui/main/Unit1.cpp',
          '    const bool byMouse = m_ramalanClicks->take();\n    latestBirthdayToday();\n',
          '    const bool byMouse = m_ramalanClicks->take();\n'),
    Fault('frame-hidden-after-a-deal-by-keys', 'ui/main/ramalanclicks.cpp',
          '            m_byMouse =\n                m_button->isDown() && m_button->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint());',
          '            m_byMouse = true;'),
    Fault('todays-birthday-refused', 'ui/shared/birthfields.cpp', 'typed > latestEntry()', 'typed >= latestEntry()'),
    Fault('click-wait-0.5', WINDOW, 'warten(0.3);', 'warten(0.5);'),
    Fault('deal-first-wait-missing', WINDOW, '    warten(0.5);\n    const auto all', '    const auto all'),
    Fault('lookup-week-plus-one', WINDOW,
          'birth.children, isoWeek(today));',
          'birth.children, isoWeek(today) + 1);'),
    Fault('verlauf-week-not-today', WINDOW, 'key.variant, isoWeek(now))', 'key.variant, isoWeek(now) - 1)'),

    # keeping a reading: the earlier readings, the names and the document
    Fault('history-this-week-last-year', HISTORY, 'entry->week > thisWeek;', 'entry->week >= thisWeek;'),
    Fault('history-oldest-first', HISTORY, 'history.rbegin(); entry != history.rend()',
          'history.begin(); entry != history.end()'),
    Fault('history-damaged-kept', HISTORY, 'if (block.empty() || entry->week < 1', 'if (entry->week < 1'),
    Fault('file-name-calendar-year', READING, '{ReadingKind::Weekly, day, isoWeek(day), isoWeekYear(day)',
          '{ReadingKind::Weekly, day, isoWeek(day), calendarYear(day)'),
    Fault('card-at-screen-density', DOCUMENT, 'loadPicture(QString::fromStdString(card.picture), 2.0)',
          'loadPicture(QString::fromStdString(card.picture))'),
    Fault('weekly-reading-without-card', WEEKLY,
          'Reading::weekly(request.today, cardFace(request.card))',
          'Reading::weekly(request.today)'),

    # keeping a reading: only whole files, through the file layer, from a dialog that reads no file
    Fault('truncated-pdf-taken-for-whole', DOCUMENT, 'return bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF");',
          'return bytes.startsWith("%PDF-") && bytes.contains("%%EOF");'),
    Fault('print-to-a-dangling-link', 'ui/output/printdialog.cpp',
          '    if (!exists.ok()) {',
          '    if (false) {'),
    Fault('save-dialog-sniffs-contents', SAVE_DIALOG,
          'return QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);',
          'return QMimeDatabase().mimeTypeForFile(info.filePath());'),
    Fault('quoted-name-split', SAVE_DIALOG, "if (typed.contains(QLatin1Char('\"')))", "if (typed.startsWith(QLatin1Char('\"')))"),
    Fault('failed-encoding-saved', KEPT,
          '    if (!bytes.ok())\n        throw readingNotSaved(target, bytes.problem(), bytes.error());\n', ''),
    Fault('kept-reading-save-result-ignored', KEPT,
          '    if (!saved.ok())\n        throw readingNotSaved(target, saved.problem(), saved.error());\n', ''),
    Fault('reading-pane-narrower-than-the-reading', 'ui/output/riwayat.cpp', '    ui->isi->setFixedWidth(kReadingViewWidth);',
          '    ui->isi->setMinimumWidth(425);'),
    Fault('cause-detail-dropped', 'core/causes.cpp',
          '            return {known->indonesian + " (" + (said ? said->indonesian : detail) + ")",\n'
          '                    known->english + " (" + (said ? said->english : detail) + ")"};',
          '            return *known;'),
    Fault('indonesian-line-unfinished', 'core/errors.cpp', "    return errorBoxText(indonesian) + '\\n' + errorBoxText(english);",
          "    return indonesian + '\\n' + errorBoxText(english);"),
    Fault('page-break-after-the-cut', PAGES, '        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);',
          '        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysAfter);'),
    Fault('heading-cut-from-its-text', PAGES, '        if (!open || (kind == LineKind::Indonesian && english)) {',
          '        if (!open || kind == LineKind::Indonesian) {'),
    Fault('png-says-96-dpi', DOCUMENT, '    const int dotsPerMetre = qRound(kPageResolution * pixelRatio / 0.0254);',
          '    const int dotsPerMetre = qRound(kPageResolution / 0.0254);'),
    Fault('sunset-only-after-six', 'core/weton.cpp', '*timeOfBirth >= kSunset ?', '*timeOfBirth > kSunset ?'),
    Fault('partner-neptu-taken-for-the-readers', 'core/wetonreading.cpp',
          '    const int sum = neptu(mine) + neptu(theirs);', '    const int sum = neptu(mine) + neptu(mine);'),
    Fault('weton-time-of-birth-ignored', 'ui/weton/wetonform.cpp',
          '        birth.minute = minuteOf(m_birth.timeOfBirth);\n',
          ''),
    Fault('png-first-half-ends-the-stream', PNG_WRITER, 'half.last ? Z_FINISH : Z_SYNC_FLUSH', 'Z_FINISH'),
    Fault('png-checksum-of-the-second-half-misjoined', PNG_WRITER,
          'adler32_combine(halves[0].adler, halves[1].adler, secondLength)',
          'adler32_combine(halves[0].adler, halves[1].adler, secondLength - 1)'),
    Fault('png-resolution-down-taken-from-across', PNG_WRITER,
          'qToBigEndian(static_cast<quint32>(pixels.dotsPerMeterY()), resolution + 4);',
          'qToBigEndian(static_cast<quint32>(pixels.dotsPerMeterX()), resolution + 4);'),
    # start-up: the sound module taken as it was opened, pictures shared between threads, windows built before shown
    Fault('sound-module-loaded-by-its-name', 'ui/shared/sound.cpp',
          '::dlopen(("/proc/self/fd/" + std::to_string(m_module.get())).c_str(), RTLD_NOW | RTLD_LOCAL)',
          '::dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL)'),
    Fault('sound-module-of-another-user-loaded', 'ui/shared/sound.cpp',
          'if (info.st_uid != 0 && info.st_uid != ::geteuid())', 'if (false)'),
    Fault('sound-module-opened-waiting', 'ui/shared/sound.cpp', 'O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK',
          'O_RDONLY | O_CLOEXEC | O_NOFOLLOW'),
    Fault('picture-never-kept', 'files/jpeg.cpp', '            decoded.insert(path, picture);\n', ''),
    Fault('window-shown-before-its-controls-are-built', 'ui/shared/onfirstuse.cpp',
          '    if (visible)\n        buildControls();\n', ''),
    Fault('dictionary-stems-of-two-letters', SEARCH, 'if (stem.size() >= 3 &&', 'if (stem.size() >= 2 &&'),
    Fault('dictionary-forgives-short-words', SEARCH, 'kForgivingLength = 5;', 'kForgivingLength = 4;'),
    Fault('dictionary-doubled-word-kept', SEARCH, 'const bool doubled = !previous.empty() &&',
          'const bool doubled = previous.empty() &&'),
    Fault('dictionary-other-name-ranked-as-headword', SEARCH, ': name.headword        ? MatchKind::Headword',
          ': true                 ? MatchKind::Headword'),
    Fault('dictionary-headword-case-told-apart', 'core/dreamdictionary.cpp',
          'indonesian.insert(folded(entry.indonesian))', 'indonesian.insert(entry.indonesian)'),
]
