#include "support/fakes.h"

#include "app/recordfile.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>

namespace temparoka::test {

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
    : clock(std::make_shared<FakeClock>(kMonday7December2026At15)),
      sound(std::make_shared<RecordingSound>()),
      waits(std::make_shared<std::vector<double>>()),
      onWait(std::make_shared<std::function<void(double)>>())
{
}

std::unique_ptr<TForm1> MainWindowFixture::makeWindow()
{
    auto form = std::make_unique<TForm1>(MainWindowServices{
        clock, folder.path() + QLatin1Char('/'), sound, [waits = waits, onWait = onWait](double seconds) {
            waits->push_back(seconds);
            if (*onWait)
                (*onWait)(seconds);
        }});
    form->setOutputWindow(&output);
    return form;
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

AutoClose::AutoClose(QDialog* dialog) : m_dialog(dialog)
{
    dialog->installEventFilter(this);
}

bool AutoClose::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_dialog && event->type() == QEvent::Show) {
        ++shown;
        QTimer::singleShot(0, m_dialog, &QDialog::reject);
    }
    return false;
}

void processEvents()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

}  // namespace temparoka::test
