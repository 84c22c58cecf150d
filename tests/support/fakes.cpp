#include "support/fakes.h"

#include "files/recordfile.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace temparoka::test {

namespace {
constexpr uid_t kUnprivilegedUser = 65534;
}  // namespace

ErrorBoxRecorder::ErrorBoxRecorder()
{
    TApplication::instance()->setErrorPresenter([this](const QString& title, const QString& text) {
        titles << title;
        texts << text;
    });
}

ErrorBoxRecorder::~ErrorBoxRecorder()
{
    TApplication::instance()->setErrorPresenter(showStandardErrorBox);
}

MainWindowFixture::MainWindowFixture()
    : clock(std::make_shared<FakeClock>(kMonday7December2026At15)), sound(std::make_shared<RecordingSound>()),
      waits(std::make_shared<std::vector<double>>()), onWait(std::make_shared<std::function<void(double)>>())
{}

std::unique_ptr<TForm1> MainWindowFixture::makeWindow()
{
    auto form = std::make_unique<TForm1>(
        MainWindowServices{clock, nativeFolder(folder), sound, [waits = waits, onWait = onWait](double seconds) {
                               waits->push_back(seconds);
                               if (*onWait)
                                   (*onWait)(seconds);
                           }});
    form->setOutputWindow(&output);
    return form;
}

MainWindowServices MainWindowFixture::services() const
{
    return {clock, nativeFolder(folder), sound, [](double) {}};
}

QString MainWindowFixture::recordPath() const
{
    return folder.filePath(QString::fromLatin1(kRecordFileName));
}

void MainWindowFixture::writeRecordBytes(const QByteArray& bytes) const
{
    QFile file(recordPath());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot prepare the record file");
}

QByteArray MainWindowFixture::readRecordBytes() const
{
    QFile file(recordPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

AutoClose::AutoClose(QDialog* dialog, std::function<void()> reader) : m_dialog(dialog), m_reader(std::move(reader))
{
    dialog->installEventFilter(this);
}

bool AutoClose::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_dialog && event->type() == QEvent::Show) {
        ++shown;
        if (m_reader)
            QTimer::singleShot(0, m_dialog, m_reader);
        else
            QTimer::singleShot(0, m_dialog, &QDialog::reject);
    }
    return false;
}

std::string nativeFolder(const QTemporaryDir& folder)
{
    return QFile::encodeName(folder.path()).toStdString() + '/';
}

ReadOnlyFolder::ReadOnlyFolder(const QString& path) : m_path(path)
{
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther |
                                    QFile::ReadGroup | QFile::ExeGroup);
    if (geteuid() == 0 && seteuid(kUnprivilegedUser) == 0)
        m_droppedRoot = true;
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    if (m_droppedRoot && seteuid(0) != 0)
        std::abort();
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void ReadOnlyFolder::giveToUnprivilegedUser(const QString& path)
{
    if (geteuid() == 0 && ::chown(QFile::encodeName(path).constData(), kUnprivilegedUser, kUnprivilegedUser) != 0)
        std::abort();
    QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner);
}

uid_t anotherUser()
{
    return geteuid() == kUnprivilegedUser ? kUnprivilegedUser - 1 : kUnprivilegedUser;
}

Reading readingOf(std::vector<std::string> lines)
{
    Reading reading = Reading::dream(kMonday7December2026At15);
    for (std::string& line : lines)
        reading.lines.push_back({std::move(line)});
    return reading;
}

QString popplerSays(const QString& tool, QStringList arguments, const Encoded& pdf)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("reading.pdf");
    saveEncoded(pdf, path);
    arguments.replaceInStrings(QRegularExpression("^PDF$"), path);
    QProcess run;
    run.start(tool, arguments);
    if (!run.waitForStarted(10000) || !run.waitForFinished(30000))
        return "(" + tool + " did not run)";
    return QString::fromUtf8(run.readAllStandardOutput());
}

void processEvents()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

NativeTemporaryFolder::NativeTemporaryFolder()
{
    const char* top = std::getenv("TMPDIR");
    std::string pattern = std::string(top && *top ? top : "/tmp") + "/temparoka-test-XXXXXX";
    if (mkdtemp(pattern.data()))
        m_path = pattern;
}

NativeTemporaryFolder::~NativeTemporaryFolder()
{
    if (m_path.empty())
        return;
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(m_path), ignored);
}

::testing::AssertionResult holdsPlace(const QWidget* widget, const QRect& place)
{
    const QRect box = widget->geometry();
    const bool across = box.left() == place.left() || std::abs(box.center().x() - place.center().x()) <= 1;
    const bool down = box.top() == place.top() || std::abs(box.center().y() - place.center().y()) <= 1;
    if (box.contains(place) && across && down)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << widget->objectName().toStdString() << " lies at " << box.x() << ","
                                         << box.y() << " " << box.width() << "x" << box.height() << ", laid out at "
                                         << place.x() << "," << place.y() << " " << place.width() << "x"
                                         << place.height();
}

}  // namespace temparoka::test
