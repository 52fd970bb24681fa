#pragma once

#include <QImage>
#include <QString>
#include <future>
#include <latch>
#include <thread>
#include <vector>

#include "assets/pictures.h"
#include "screens/screen_id.h"

namespace app {

using screens::ScreenId;

// Start-up work that can run beside Qt's own, on a second thread. Made before the application
// object, it reads the font configuration while Qt connects to the display. Once the
// application exists, it builds Qt's font list, decodes the first screen's pictures and
// measures its captions, while the GUI thread makes the screen's window and waits for the
// display to map it.
class EarlyStart {
  public:
    explicit EarlyStart(ScreenId first);
    EarlyStart(const EarlyStart&) = delete;
    EarlyStart& operator=(const EarlyStart&) = delete;
    ~EarlyStart();

    // On the GUI thread, once the application object exists: lets the thread go on.
    void applicationReady();
    // Waits for the thread. Call it before the application object goes, as the thread may
    // still be using Qt's fonts.
    void finish();

  private:
    void work();
    void release(bool applicationExists);

    std::vector<assets::Picture> pictures_;
    std::vector<std::promise<QImage>> decoded_;
    std::vector<QString> captions_;
    std::latch applicationMade_{1};
    bool applicationExists_ = false;  // written before applicationMade_ is counted down
    bool released_ = false;
    std::thread worker_;
};

}  // namespace app
