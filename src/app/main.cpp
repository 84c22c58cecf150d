// Temparoka's entry point: the application object, the main window (which
// restores the record file while it is built), then the message loop until
// the main window closes. Nothing is saved on the way out.

#include "app/Unit1.h"
#include "app/application.h"
#include "dream/flussform.h"
#include "dream/todfrage.h"
#include "dream/traumform.h"
#include "dream/zahnfrage.h"
#include "output/ausgabeform.h"

#include <exception>

int main(int argc, char** argv)
{
    temparoka::TApplication app(argc, argv);
    using namespace temparoka;
    std::unique_ptr<TForm1> mainWindow;
    std::unique_ptr<Tausform> outputWindow;
    std::unique_ptr<Ttraumfenster> dreamWindow;
    std::unique_ptr<TTfrage> deathDialog;
    std::unique_ptr<Tflussfrage> riverDialog;
    std::unique_ptr<Tzahnform> toothDialog;
    try {
        mainWindow = std::make_unique<TForm1>(MainWindowServices::defaults());
        outputWindow = std::make_unique<Tausform>();
        dreamWindow = std::make_unique<Ttraumfenster>(*mainWindow, *outputWindow);
        deathDialog = std::make_unique<TTfrage>();
        riverDialog = std::make_unique<Tflussfrage>(*deathDialog);
        toothDialog = std::make_unique<Tzahnform>(*deathDialog);
        mainWindow->setOutputWindow(outputWindow.get());
        mainWindow->setDreamWindow(dreamWindow.get());
        dreamWindow->setDialogs(deathDialog.get(), riverDialog.get(), toothDialog.get());
    } catch (const std::exception& error) {
        // The windows could not be built: say why and end; the main window
        // is never shown half made.
        app.showError(QString::fromStdString(error.what()));
        return 1;
    }
    mainWindow->show();
    return app.exec();
}
