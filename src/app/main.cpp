// Temparoka's entry point: the application object, the main window (which
// restores the record file while it is built), then the message loop until
// the main window closes. Nothing is saved on the way out.

#include "app/Unit1.h"
#include "app/application.h"
#include "output/ausgabeform.h"

#include <exception>

int main(int argc, char** argv)
{
    temparoka::TApplication app(argc, argv);
    std::unique_ptr<temparoka::TForm1> mainWindow;
    std::unique_ptr<temparoka::Tausform> outputWindow;
    try {
        mainWindow = std::make_unique<temparoka::TForm1>(temparoka::MainWindowServices::defaults());
        outputWindow = std::make_unique<temparoka::Tausform>();
        mainWindow->setOutputWindow(outputWindow.get());
    } catch (const std::exception& error) {
        // The windows could not be built: say why and end; the main window
        // is never shown half made.
        app.showError(QString::fromStdString(error.what()));
        return 1;
    }
    mainWindow->show();
    return app.exec();
}
