#include "app/application.h"

#include "core/errors.h"
#include "ui/shared/look.h"

#include <QClipboard>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QSettings>
#include <QStyleFactory>
#include <QTranslator>

#include <exception>

namespace temparoka {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv), m_presenter(showStandardErrorBox)
{
    setApplicationName(applicationTitleFrom(applicationFilePath()));
    // The windows' fixed places and colours are laid out for this style;
    // a desktop theme's own style would move and recolour them.
    setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    installFontSubstitutions();
    installErrorBox([this](const std::string& text) { showError(QString::fromStdString(text)); });
}

TApplication::~TApplication()
{
    installErrorBox({});
}

TApplication* TApplication::instance()
{
    return qobject_cast<TApplication*>(QCoreApplication::instance());
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        showError(QString::fromStdString(error.what()));
    } catch (...) {
        showError(QStringLiteral("Unknown error"));
    }
    return true;
}

void TApplication::setErrorPresenter(ErrorPresenter presenter)
{
    m_presenter = std::move(presenter);
}

void TApplication::showError(const QString& text)
{
    m_presenter(applicationName(), QString::fromStdString(errorBoxText(text.toStdString())));
}

QString applicationTitleFrom(const QString& executablePath)
{
    const QString name = QFileInfo(executablePath).fileName();
    const QString stem = name.left(name.indexOf(QLatin1Char('.')) < 0 ? name.size() : name.indexOf(QLatin1Char('.')));
    return stem.left(1) + stem.mid(1).toLower();
}

void installFontSubstitutions()
{
    // Nimbus Sans is close enough in width for the fixed control sizes; the
    // usual desktop sans is too wide and would clip the captions.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Nimbus Sans"), QStringLiteral("Sans Serif")});
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"), {QStringLiteral("Comic Neue")});
    // TeX Gyre Adventor keeps the dot of a bold "i" apart from its stem at
    // the reading's 16 pixels, where URW Gothic runs them together
    // ("melihat" reads "mellhat"); URW Gothic stays as a fallback.
    QFont::insertSubstitutions(readingFamily(), {QStringLiteral("TeX Gyre Adventor"), QStringLiteral("URW Gothic"),
                                                 QStringLiteral("URW Gothic L")});
}

QTranslator* installQtTranslation()
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral(":/translations/qt_id.qm"))) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}

namespace {

// Ctrl+C copies the message, as desktop message boxes let one do, so that a
// reader can pass it on word for word.
class ErrorBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->matches(QKeySequence::Copy)) {
            QGuiApplication::clipboard()->setText(text());
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
};

}  // namespace

void showStandardErrorBox(const QString& title, const QString& text)
{
    ErrorBox box(QMessageBox::Critical, title, text, QMessageBox::Ok);
    // The text names files and folders the reader chose: a folder called
    // "<h1>" or "<img src=...>" must show as those characters, not as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void paintWithoutSharedMemory()
{
    qputenv("QT_XCB_NO_MITSHM", "1");
}

void keepQtSettingsOutOfFiles()
{
    // Qt's file dialog (ours, and the one the print dialog opens) keeps its
    // state in QtProject.conf in the user's configuration folder, written
    // when the dialog closes, outside the program's file layer: it makes the
    // folder, takes a lock file beside it and follows a link placed there.
    // The state is not worth a file: the program opens its dialogs in a
    // folder of its own choosing. Qt has no settings that stay in memory (a
    // settings format of one's own still names a file, makes its folder and
    // locks it), so the settings' folders are put below /dev/null, a device
    // that nobody, root included, can make anything in: reading finds no
    // file, and writing fails where the folder would be made, before any
    // lock file or file. The system's folders go too, so that no
    // XDG_CONFIG_DIRS of another user's is read either.
    const QString nowhere = QStringLiteral("/dev/null");
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope})
            QSettings::setPath(format, scope, nowhere);
}

}  // namespace temparoka
