#include "framework/ui/EventDispatch.h"

#include <cstdio>
#include <string>

#include "framework/core/Exceptions.h"
#include "framework/core/Runtime.h"

namespace fw {

namespace {

ExceptionHelper installedHelper = &_CallFunctionWithExceptionHandling;
int handlerDepth = 0;

void CallHandler(void* handler) { (*static_cast<const std::function<void()>*>(handler))(); }

std::string UnhandledExceptionText(const std::exception_ptr& exception) {
    try {
        std::rethrow_exception(exception);
    } catch (const RuntimeException& raised) {
        return raised.Message().Bytes() + "\n\nDer Vorgang wurde abgebrochen.";
    } catch (const std::exception& raised) {
        return std::string("Unerwarteter Fehler: ") + raised.what() + "\n\nDer Vorgang wurde abgebrochen.";
    } catch (...) {
        return "Unbekannter Fehler.\n\nDer Vorgang wurde abgebrochen.";
    }
}

}  // namespace

std::exception_ptr _CallFunctionWithExceptionHandling(void (*routine)(void*), void* argument) {
    try {
        routine(argument);
        return nullptr;
    } catch (const RuntimeException&) {
        return std::current_exception();
    }
}

void _RuntimeSetExceptionHelper(ExceptionHelper helper) {
    installedHelper = helper ? helper : &_CallFunctionWithExceptionHandling;
}

void RunEventHandler(const std::function<void()>& handler) noexcept {
    ++handlerDepth;
    try {
        if (auto raised = installedHelper(&CallHandler, const_cast<std::function<void()>*>(&handler))) {
            ReportUnhandledException(raised);
        }
    } catch (...) {
        ReportUnhandledException(std::current_exception());
    }
    --handlerDepth;
}

int EventHandlerDepth() { return handlerDepth; }

void ReportUnhandledException(const std::exception_ptr& exception) noexcept {
    const std::string text = UnhandledExceptionText(exception);
    try {
        MsgBox(String(text));
    } catch (...) {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
}

}  // namespace fw
