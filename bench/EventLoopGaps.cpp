#include "bench/EventLoopGaps.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>

#include "app/Menue.h"
#include "framework/ui/Lifecycle.h"
#include "windows/Fenster1.h"

namespace bench {

namespace {

class TurnWatch {
public:
    void Start() {
        clock_.start();
        last_ = 0;
    }
    void Turn() {
        const qint64 now = clock_.nsecsElapsed();
        longest_ = std::max(longest_, now - last_);
        last_ = now;
        ++turns_;
    }
    LoadResponsiveness Result() const {
        return {.longestGapMs = static_cast<double>(longest_) / 1e6,
                .loadSeconds = static_cast<double>(last_) / 1e9,
                .turns = turns_};
    }

private:
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 longest_ = 0;
    long turns_ = 0;
};

}  // namespace

LoadResponsiveness MeasureLoadResponsiveness(const std::filesystem::path& exportFile) {
    fw::RuntimeInit();
    auto window = Fenster1();
    window->f = std::make_shared<fw::FolderItem>(fw::String(exportFile.string()));

    TurnWatch watch;
    bool loading = false;
    QTimer ticker;
    ticker.setInterval(0);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        if (loading) watch.Turn();
    });
    QEventLoop loop;
    QTimer::singleShot(0, [&] {
        loading = true;
        watch.Start();
        window->Laden();
        watch.Turn();  // the stretch after the last turn
        loading = false;
        loop.quit();
    });
    ticker.start();
    loop.exec();

    const auto result = watch.Result();
    window->Close();
    window.reset();
    Menü::_implicitInstance = nullptr;
    fw::RuntimeExit();
    return result;
}

}  // namespace bench
