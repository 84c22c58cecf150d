#include "support/fakes.h"

#include "app/recordfile.h"

#include <QCoreApplication>
#include <QFile>

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
    : clock(std::make_shared<FakeClock>(kMonday7December2026At15)), sound(std::make_shared<RecordingSound>())
{
}

std::unique_ptr<TForm1> MainWindowFixture::makeWindow()
{
    return std::make_unique<TForm1>(MainWindowServices{clock, folder.path() + QLatin1Char('/'), sound});
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

void processEvents()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

}  // namespace temparoka::test
