#pragma once
// The main window: every control on its ruled sheet, the adapters the logic
// sees them through, and the wiring of each event to its handler.
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/mainstate.h"
#include "app/startup.h"
#include "editing/addfind.h"
#include "editing/navigation.h"
#include "editing/picklists.h"
#include "editing/record.h"
#include "editing/savedelete.h"
#include "editing/search.h"
#include "pictures/attach.h"
#include "printing/printmenu.h"
#include "summaries/didyouknow.h"
#include "summaries/finances.h"

class QMenu;

namespace bw {

// The handler each event runs. The window runs the real ones; a test may put
// recorders in their place.
struct MainHandlers {
    std::function<void(MainState&, const Path&)> FormCreate = bw::FormCreate;
    std::function<void(MainState&)> FormClose = bw::FormClose;
    std::function<void(MainState&)> recordslideChange = bw::recordslideChange;
    std::function<void(MainState&, int)> nameeditKeyUp = bw::nameeditKeyUp;
    std::function<void(MainState&)> addbuttonClick = bw::addbuttonClick;
    std::function<void(MainState&)> savebuttClick = bw::savebuttClick;
    std::function<void(MainState&)> deletebuttonClick = bw::deletebuttonClick;
    std::function<void(MainState&, int)> mfglistKeyUp = bw::mfglistKeyUp;
    std::function<void(MainState&, int)> genlistKeyUp = bw::genlistKeyUp;
    std::function<void(MainState&, int)> condlist1KeyUp = bw::condlist1KeyUp;
    std::function<void(MainState&, int)> condlist2KeyUp = bw::condlist2KeyUp;
    std::function<void(MainState&, int)> condlist3KeyUp = bw::condlist3KeyUp;
    std::function<void(MainState&)> searchbuttonClick = bw::searchbuttonClick;
    std::function<void(MainState&)> scroll1DblClick = bw::scroll1DblClick;
    std::function<void(MainState&)> Label19DblClick = bw::Label19DblClick;
    std::function<void(MainState&)> beanimgDblClick = bw::beanimgDblClick;
    std::function<void(MainState&, MouseButton)> beanimgMouseDown = bw::beanimgMouseDown;
    std::function<void(MainState&)> printthisClick = bw::printthisClick;
    std::function<void(MainState&)> printallClick = bw::printallClick;
    std::function<void(MainState&)> printretiredClick = bw::printretiredClick;
    std::function<void(MainState&)> printcurrentClick = bw::printcurrentClick;
    std::function<void(MainState&)> printsoldClick = bw::printsoldClick;
    std::function<void(MainState&)> printunsoldClick = bw::printunsoldClick;
    std::function<void(MainState&)> treasurebuttonClick = bw::treasurebuttonClick;
    std::function<void(MainState&)> Image9Click = bw::Image9Click;
    std::function<void(MainState&)> memoChange = bw::memoChange;
    std::function<void(MainState&)> helpbuttonClick = bw::helpbuttonClick;
};

// Services to use instead of the real ones (null: the real one), so that a
// test never waits on a modal window, a printer or a browser.
struct MainServiceOverrides {
    ISecondaryWindows* windows = nullptr;
    IPrinter* printer = nullptr;
    IPictureDialog* openpic = nullptr;
    IDesktop* desktop = nullptr;
    ISaveDialog* savefile = nullptr;
};

class Tmain : public QWidget {
    Q_OBJECT

public:
    // The collection lives in the folder of programPath. Creating the window
    // runs FormCreate, which shows the did-you-know window first.
    explicit Tmain(const QString& programPath = runningProgramPath(), MainServiceOverrides overrides = {},
                   MainHandlers handlers = {});
    ~Tmain() override;

    MainState& state() { return st_; }

    // This program's file, symbolic links resolved.
    static QString runningProgramPath();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Controls;

    void buildControls();
    void wireEvents();
    void wireKeyboard();
    // Any button opens the print menu, centred on the point.
    void printbuttonMouseDown(Qt::MouseButton button, const QPoint& atGlobal);
    void popUpPrintMenu(const QPoint& atGlobal);
    void keyReleased(QObject* control, int code);
    // Runs one handler at the error boundary.
    void run(const std::function<void()>& handler) noexcept;

    MainHandlers handlers_;
    MainState st_;
    std::unique_ptr<Controls> c_;
    // Keys pressed on a control with a key-release handler and not yet
    // released there.
    std::vector<std::pair<QObject*, int>> keysDown_;
};

} // namespace bw
