#include "app/Startup.h"

#include "app/App.h"
#include "app/FileTypes.h"
#include "app/Menue.h"
#include "framework/ui/EventDispatch.h"
#include "framework/ui/Lifecycle.h"
#include "windows/Fenster1.h"
#include "windows/wBestaetigung.h"

int RunApplication() {
    fw::RuntimeInit();
    initialize();
    _Main();
    finalize();
    return fw::RuntimeExit();
}

void initialize() {
    Fenster1::ctblinit();
    Menü::ctblinit();
    App::ctblinit();
    wBestaetigung::ctblinit();
}

void _Main() {
    try {
        fw::_RuntimeSetExceptionHelper(&fw::_CallFunctionWithExceptionHandling);
        fw::_RunFrameworkInitialization(&_Startup);
        fw::_RuntimeRun();
    } catch (...) {
        fw::_UnhandledException(std::current_exception());
    }
}

void _Startup() {
    _InitFileTypes();
    _NewAppInstance();
    _ApplicationAddMenuHandlers();
    _MakeDefaultView();
}

void _InitFileTypes() { FileTypes::_Initialize(); }

void _NewAppInstance() {
    auto app = fw::RuntimeCheckCast<class App>(fw::RuntimeNewObject(App::Lookup()));
    fw::Checked(app).Constructor();
    app->SetMenuBar(Menü());
    fw::_RuntimeRegisterAppObject(app);
}

// App handles no menu command of its own.
void _ApplicationAddMenuHandlers() {}

void _MakeDefaultView() { Fenster1(); }

void finalize() {
    fw::_ReleaseModuleState();
    FileTypes::pSpecialAny = nullptr;
    Menü::_implicitInstance = nullptr;
}
