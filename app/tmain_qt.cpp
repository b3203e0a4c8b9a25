#include "app/tmain_qt.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <limits>

#include "app/accessibility_qt.h"
#include "app/artwork_qt.h"
#include "app/shortcuts_qt.h"
#include "app/windows_qt.h"
#include "pictures/imageloader_qt.h"
#include "platform/controls_qt.h"
#include "platform/desktop_qt.h"
#include "platform/guard.h"
#include "platform/messageboxes_qt.h"
#include "platform/path_qt.h"
#include "platform/picturedialog_qt.h"
#include "platform/progress_qt.h"
#include "platform/savedialog_qt.h"
#include "platform/style_qt.h"
#include "platform/text_qt.h"
#include "printing/printer_qt.h"
#include "printing/printpop_qt.h"

namespace bw {

namespace tmainparts {

// A picture or label of the window that reports its mouse events. A click is
// a left press and release over it; a double-click replaces the second press.
class ClickImage : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> onClick;
    std::function<void(Qt::MouseButton, QPoint)> onPress;
    std::function<void(Qt::MouseButton)> onDoubleClick;

protected:
    void mousePressEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton)
            leftDown_ = true;
        if (onPress)
            onPress(e->button(), e->position().toPoint());
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (e->button() != Qt::LeftButton)
            return;
        const bool click = leftDown_ && rect().contains(e->position().toPoint());
        leftDown_ = false;
        if (click && onClick)
            onClick();
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override
    {
        if (onDoubleClick)
            onDoubleClick(e->button());
    }

private:
    bool leftDown_ = false;
};

// scroll1: a double-click anywhere in it that no child takes is its own.
class PictureBox : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    std::function<void()> onDoubleClick;

protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton && onDoubleClick)
            onDoubleClick();
    }
};

} // namespace tmainparts

using tmainparts::ClickImage;
using tmainparts::PictureBox;

struct Tmain::Controls {
    explicit Controls(Tmain* w)
        : boxes(w), openpic(w), windows(w, boxes), desktop(w), savefile(w), progress(w)
    {
    }

    QLabel* Image2 = nullptr;
    QLabel* rlabel = nullptr;
    QLineEdit *nameedit = nullptr, *styleedit = nullptr;
    QLineEdit *bdayedit = nullptr, *rdayedit = nullptr, *pdayedit = nullptr, *sdayedit = nullptr;
    QLineEdit *buyedit = nullptr, *valedit = nullptr, *selledit = nullptr;
    QComboBox *mfglist = nullptr, *genlist = nullptr, *condlist1 = nullptr, *condlist2 = nullptr,
              *condlist3 = nullptr;
    MemoWidget* memo = nullptr;
    QPlainTextEdit* pmemo = nullptr;
    QScrollBar *recordslide = nullptr, *hscroll = nullptr, *vscroll = nullptr;
    PictureBox* scroll1 = nullptr;
    ClickImage *Label19 = nullptr, *beanimg = nullptr;
    ClickImage *treasurebutton = nullptr, *Image9 = nullptr, *addbutton = nullptr, *deletebutton = nullptr,
               *savebutt = nullptr, *searchbutton = nullptr, *printbutton = nullptr, *helpbutton = nullptr;
    QMenu* printpop = nullptr;

    QtMessageBoxes boxes;
    QtImageLoader loader;
    QtPictureDialog openpic;
    QtSecondaryWindows windows;
    QtPrinter printer;
    QtDesktop desktop;
    QtSaveDialog savefile;
    QtProgressReporter progress;

    std::unique_ptr<QtEdit> nameAdapter, styleAdapter, buyAdapter, valAdapter, sellAdapter;
    std::unique_ptr<QtDateEdit> bdayAdapter, rdayAdapter, pdayAdapter, sdayAdapter;
    std::unique_ptr<QtComboBox> mfgAdapter, genAdapter, cond1Adapter, cond2Adapter, cond3Adapter;
    std::unique_ptr<QtMemo> memoAdapter;
    std::unique_ptr<QtScrollBar> slideAdapter;
    std::unique_ptr<ILabel> rlabelAdapter;
    std::unique_ptr<QtPicture> pictureAdapter;
    std::unique_ptr<QtScrollBox> scrollAdapter;
    std::unique_ptr<QtVisible> hscrollAdapter, vscrollAdapter;
};

namespace {

// "Times New Roman" bold italic, by its metric twin.
QFont serifFont(int pixelHeight)
{
    QFont f(QStringLiteral("Liberation Serif"));
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(pixelHeight);
    f.setBold(true);
    f.setItalic(true);
    return f;
}

void withBase(QWidget* w, const QColor& colour)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Base, colour);
    w->setPalette(pal);
}

int keyCode(const QKeyEvent* e)
{
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter ? KeyReturn : e->key();
}

} // namespace

QString Tmain::runningProgramPath()
{
    const QString path = QCoreApplication::applicationFilePath();
    const QString resolved = QFileInfo(path).canonicalFilePath();
    return resolved.isEmpty() ? path : resolved;
}

Tmain::Tmain(const QString& programPath, MainServiceOverrides overrides, MainHandlers handlers)
    : QWidget(nullptr), handlers_(std::move(handlers)), c_(std::make_unique<Controls>(this))
{
    buildControls();
    Controls& c = *c_;

    c.nameAdapter = std::make_unique<QtEdit>(c.nameedit);
    c.styleAdapter = std::make_unique<QtEdit>(c.styleedit);
    c.buyAdapter = std::make_unique<QtEdit>(c.buyedit);
    c.valAdapter = std::make_unique<QtEdit>(c.valedit);
    c.sellAdapter = std::make_unique<QtEdit>(c.selledit);
    c.bdayAdapter = std::make_unique<QtDateEdit>(c.bdayedit);
    c.rdayAdapter = std::make_unique<QtDateEdit>(c.rdayedit);
    c.pdayAdapter = std::make_unique<QtDateEdit>(c.pdayedit);
    c.sdayAdapter = std::make_unique<QtDateEdit>(c.sdayedit);
    c.mfgAdapter = std::make_unique<QtComboBox>(c.mfglist);
    c.genAdapter = std::make_unique<QtComboBox>(c.genlist);
    c.cond1Adapter = std::make_unique<QtComboBox>(c.condlist1);
    c.cond2Adapter = std::make_unique<QtComboBox>(c.condlist2);
    c.cond3Adapter = std::make_unique<QtComboBox>(c.condlist3);
    c.memoAdapter = std::make_unique<QtMemo>(c.memo, c.boxes);
    c.slideAdapter = std::make_unique<QtScrollBar>(c.recordslide, c.boxes);
    c.rlabelAdapter =
        std::make_unique<AnnouncedCounter>(std::make_unique<QtLabel>(c.rlabel), c.rlabel, c.recordslide);
    c.pictureAdapter = std::make_unique<QtPicture>(c.beanimg, c.scroll1);
    c.scrollAdapter = std::make_unique<QtScrollBox>(c.scroll1);
    c.hscrollAdapter = std::make_unique<QtVisible>(c.hscroll);
    c.vscrollAdapter = std::make_unique<QtVisible>(c.vscroll);

    st_.ui.nameedit = c.nameAdapter.get();
    st_.ui.styleedit = c.styleAdapter.get();
    st_.ui.bdayedit = c.bdayAdapter.get();
    st_.ui.rdayedit = c.rdayAdapter.get();
    st_.ui.pdayedit = c.pdayAdapter.get();
    st_.ui.sdayedit = c.sdayAdapter.get();
    st_.ui.buyedit = c.buyAdapter.get();
    st_.ui.valedit = c.valAdapter.get();
    st_.ui.selledit = c.sellAdapter.get();
    st_.ui.mfglist = c.mfgAdapter.get();
    st_.ui.genlist = c.genAdapter.get();
    st_.ui.condlist1 = c.cond1Adapter.get();
    st_.ui.condlist2 = c.cond2Adapter.get();
    st_.ui.condlist3 = c.cond3Adapter.get();
    st_.ui.memo = c.memoAdapter.get();
    st_.ui.recordslide = c.slideAdapter.get();
    st_.ui.rlabel = c.rlabelAdapter.get();
    st_.ui.beanimg = c.pictureAdapter.get();
    st_.ui.scroll1 = c.scrollAdapter.get();
    st_.ui.hscroll = c.hscrollAdapter.get();
    st_.ui.vscroll = c.vscrollAdapter.get();

    st_.sys.boxes = &c.boxes;
    st_.sys.loader = &c.loader;
    st_.sys.openpic = overrides.openpic ? overrides.openpic : &c.openpic;
    st_.sys.windows = overrides.windows ? overrides.windows : &c.windows;
    st_.sys.printer = overrides.printer ? overrides.printer : &c.printer;
    st_.sys.desktop = overrides.desktop ? overrides.desktop : &c.desktop;
    st_.sys.savefile = overrides.savefile ? overrides.savefile : &c.savefile;
    st_.sys.progress = &c.progress;

    wireEvents();
    wireKeyboard();

    const Path path = pathFromQt(programPath);
    run([&] { handlers_.FormCreate(st_, path); });
}

Tmain::~Tmain()
{
    // The widgets go before the adapters and handlers they call into.
    const QObjectList kids = children();
    for (QObject* child : kids)
        if (child->isWidgetType())
            delete child;
}

void Tmain::run(const std::function<void()>& handler) noexcept
{
    runHandler(c_->boxes, handler);
}

void Tmain::buildControls()
{
    Controls& c = *c_;
    setObjectName(QStringLiteral("main"));
    setWindowTitle(QStringLiteral("Bindlewick"));
    setWindowIcon(roosterIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    move(89, 63);
    setFixedSize(607, 454);
    useOwnLook(this);
    QPalette silver = palette();
    silver.setColor(QPalette::Window, silverColour());
    setPalette(silver);
    setAutoFillBackground(true);

    const QColor info = infoColour();

    // The sheet first: later siblings are drawn over it.
    c.Image2 = new QLabel(this);
    c.Image2->setObjectName(QStringLiteral("Image2"));
    c.Image2->setGeometry(0, 0, 607, 454);
    c.Image2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    c.Image2->setPixmap(notepadSheet());

    auto label = [&](const char* name, int x, int y, const char* caption) {
        auto* l = new QLabel(QString::fromLatin1(caption), this);
        l->setObjectName(QString::fromLatin1(name));
        l->setFont(formFont(true));
        l->move(x, y);
        l->adjustSize();
        return l;
    };
    label("Label1", 318, 16, "Name:");
    label("Label2", 318, 58, "Birthday:");
    label("Label3", 410, 58, "Retire Date:");
    label("Label4", 506, 58, "Style Number:");
    label("Label12", 318, 104, "Manufacturer:");
    label("Label15", 468, 104, "Generation:");
    label("Label11", 318, 150, "Description / Notes:");
    QLabel* financial = label("Label17", 62, 258, "Financial data:");
    financial->setFont(serifFont(32));
    financial->setFixedSize(204, 36);
    QLabel* condition = label("Label16", 374, 258, "Condition:");
    condition->setFont(serifFont(32));
    condition->setFixedSize(141, 36);
    label("Label8", 28, 304, "Purchase:");
    label("Label13", 176, 304, "Date:");
    label("Label9", 6, 328, "Market Value:");
    label("Label10", 22, 350, "Sell Price:");
    label("Label14", 176, 352, "Date:");
    label("Label5", 360, 306, "General:");
    label("Label6", 348, 328, "Hang Tag:");
    label("Label7", 350, 352, "Tush Tag:");
    c.rlabel = label("rlabel", 82, 418, "Record n of N");
    c.rlabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    c.rlabel->setFixedSize(103, 13);
    label("Label23", 216, 418, "Add");
    label("Label21", 250, 418, "Delete");
    label("Label25", 316, 418, "Save");
    label("Label22", 448, 418, "Search");
    label("Label18", 502, 418, "Print");
    label("Label20", 540, 418, "HELP!");

    auto button = [&](const char* name, int x, int y, ButtonIcon icon, const char* hint) {
        auto* b = new ClickImage(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setPixmap(buttonIcon(icon));
        b->setGeometry(x, y, 32, 32);
        if (hint)
            b->setToolTip(QString::fromLatin1(hint));
        return b;
    };
    c.treasurebutton =
        button("treasurebutton", 22, 260, ButtonIcon::TreasureChest, "Click to Show Financial Summaries");
    c.Image9 = button("Image9", 518, 262, ButtonIcon::Silhouette, "Amazing Info!");
    c.addbutton = button("addbutton", 212, 386, ButtonIcon::Folder, nullptr);
    c.deletebutton = button("deletebutton", 252, 386, ButtonIcon::Bomb, nullptr);
    c.savebutt = button("savebutt", 314, 386, ButtonIcon::ComputerWithFloppy, nullptr);
    c.searchbutton = button("searchbutton", 452, 384, ButtonIcon::CrystalBall, nullptr);
    c.printbutton = button("printbutton", 498, 384, ButtonIcon::ComputerWithPrinter, nullptr);
    c.helpbutton = button("helpbutton", 540, 384, ButtonIcon::QuestionMark, nullptr);

    constexpr int unlimited = std::numeric_limits<int>::max();
    auto plainEdit = [&](const char* name, int x, int y, int w, int h) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setGeometry(x, y, w, h);
        e->setFrame(false);
        withBase(e, info);
        return e;
    };
    auto edit = [&](const char* name, int x, int y, int w, int h) {
        QLineEdit* e = plainEdit(name, x, y, w, h);
        refuseFieldChars(e);
        return e;
    };
    // The date mask takes digits only.
    auto dateEdit = [&](const char* name, int x, int y) {
        QLineEdit* e = plainEdit(name, x, y, 70, 19);
        e->setToolTip(QStringLiteral("Enter Date as xx/xx/yyyy"));
        return e;
    };
    auto moneyEdit = [&](const char* name, int y, const char* designText) {
        QLineEdit* e = edit(name, 92, y, 53, 19);
        e->setMaxLength(7);
        e->setText(QString::fromLatin1(designText));
        return e;
    };
    auto pickList = [&](const char* name, int x, int y, int w, bool flat) {
        auto* l = new QComboBox(this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(x, y, w, 21);
        l->setEditable(true);
        l->setFrame(!flat);
        l->setFont(listFont());
        withBase(l, info);
        l->setToolTip(QStringLiteral("Type in a new name and hit RETURN to add it to the list"));
        return l;
    };

    c.nameedit = edit("nameedit", 316, 32, 275, 19);
    c.nameedit->setMaxLength(unlimited);
    c.nameedit->setToolTip(QStringLiteral("Type in a name to ADD or FIND a record."));
    c.bdayedit = dateEdit("bdayedit", 316, 76);
    c.rdayedit = dateEdit("rdayedit", 410, 76);
    c.styleedit = edit("styleedit", 506, 76, 85, 19);
    c.styleedit->setMaxLength(unlimited);
    c.mfglist = pickList("mfglist", 316, 122, 147, true);
    c.genlist = pickList("genlist", 466, 122, 127, true);

    c.memo = new MemoWidget(this);
    c.memo->setObjectName(QStringLiteral("memo"));
    c.memo->setGeometry(316, 166, 275, 87);
    c.memo->setFrameShape(QFrame::NoFrame);
    c.memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    c.memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    c.memo->setTabChangesFocus(true);

    c.condlist1 = pickList("condlist1", 416, 300, 120, false);
    c.condlist2 = pickList("condlist2", 416, 324, 120, false);
    c.condlist3 = pickList("condlist3", 416, 348, 120, false);
    c.buyedit = moneyEdit("buyedit", 300, "buyedit");
    c.pdayedit = dateEdit("pdayedit", 212, 300);
    c.valedit = moneyEdit("valedit", 324, "Edit1");
    c.selledit = moneyEdit("selledit", 348, "Edit1");
    c.sdayedit = dateEdit("sdayedit", 212, 348);

    c.recordslide = new ScrollBarWidget(Qt::Horizontal, this);
    c.recordslide->setObjectName(QStringLiteral("recordslide"));
    c.recordslide->setGeometry(72, 398, 125, 17);
    c.recordslide->setFocusPolicy(Qt::StrongFocus);

    c.scroll1 = new PictureBox(this);
    c.scroll1->setObjectName(QStringLiteral("scroll1"));
    c.scroll1->setGeometry(22, 30, 269, 221);
    c.scroll1->setToolTip(QStringLiteral("Doubleclick to load up a picture"));
    c.scroll1->setFocusPolicy(Qt::NoFocus);
    c.scroll1->setWidgetResizable(false);
    QPalette boxPal = c.scroll1->viewport()->palette();
    boxPal.setColor(QPalette::Window, info);
    c.scroll1->viewport()->setPalette(boxPal);
    c.scroll1->viewport()->setAutoFillBackground(true);
    auto* contents = new QWidget;
    contents->setObjectName(QStringLiteral("scroll1contents"));
    c.Label19 = new ClickImage(QStringLiteral("No Picture! Waaahhh!"), contents);
    c.Label19->setObjectName(QStringLiteral("Label19"));
    c.Label19->setFont(serifFont(24));
    c.Label19->setGeometry(9, 96, 226, 28);
    c.Label19->setToolTip(QStringLiteral("Doubleclick to load up a picture"));
    c.beanimg = new ClickImage(contents);
    c.beanimg->setObjectName(QStringLiteral("beanimg"));
    c.beanimg->setGeometry(0, -2, 95, 81);
    c.beanimg->setToolTip(QStringLiteral("Right click to see me close up..."));
    c.scroll1->setWidget(contents);
    fitScrollContents(c.scroll1);

    c.hscroll = new ScrollBarWidget(Qt::Horizontal, this);
    c.hscroll->setObjectName(QStringLiteral("hscroll"));
    c.hscroll->setGeometry(22, 234, 249, 17);
    c.hscroll->setFocusPolicy(Qt::StrongFocus);
    c.hscroll->hide();
    c.vscroll = new ScrollBarWidget(Qt::Vertical, this);
    c.vscroll->setObjectName(QStringLiteral("vscroll"));
    c.vscroll->setGeometry(272, 32, 19, 201);
    c.vscroll->setFocusPolicy(Qt::StrongFocus);
    c.vscroll->hide();

    c.pmemo = new QPlainTextEdit(QStringLiteral("pmemo"), this);
    c.pmemo->setObjectName(QStringLiteral("pmemo"));
    c.pmemo->setGeometry(14, 212, 563, 77);
    c.pmemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    c.pmemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    c.pmemo->setTabChangesFocus(true);
    c.pmemo->hide();

    QWidget* order[] = {c.nameedit,    c.bdayedit, c.rdayedit,  c.styleedit, c.mfglist,
                        c.genlist,     c.memo,     c.condlist1, c.condlist2, c.condlist3,
                        c.buyedit,     c.pdayedit, c.valedit,   c.selledit,  c.sdayedit,
                        c.recordslide, c.hscroll,  c.vscroll,   c.scroll1,   c.pmemo};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    c.nameedit->setFocus(Qt::OtherFocusReason);

    c.printpop = new QMenu(this);
    c.printpop->setObjectName(QStringLiteral("printpop"));
}

void Tmain::wireEvents()
{
    Controls& c = *c_;
    c.memoAdapter->setChangeHandler([this] { handlers_.memoChange(st_); });
    c.slideAdapter->setChangeHandler([this] { handlers_.recordslideChange(st_); });

    for (QObject* watched : {static_cast<QObject*>(c.nameedit), static_cast<QObject*>(c.mfglist),
                             static_cast<QObject*>(c.genlist), static_cast<QObject*>(c.condlist1),
                             static_cast<QObject*>(c.condlist2), static_cast<QObject*>(c.condlist3)})
        watched->installEventFilter(this);

    auto click = [this](ClickImage* image, std::function<void(MainState&)>& handler) {
        image->onClick = [this, &handler] { run([&] { handler(st_); }); };
    };
    click(c.addbutton, handlers_.addbuttonClick);
    click(c.savebutt, handlers_.savebuttClick);
    click(c.deletebutton, handlers_.deletebuttonClick);
    click(c.searchbutton, handlers_.searchbuttonClick);
    click(c.treasurebutton, handlers_.treasurebuttonClick);
    click(c.Image9, handlers_.Image9Click);
    click(c.helpbutton, handlers_.helpbuttonClick);

    c.printbutton->onPress = [this](Qt::MouseButton b, QPoint at) {
        printbuttonMouseDown(b, c_->printbutton->mapToGlobal(at));
    };
    fillPrintMenu(c.printpop,
                  {&handlers_.printthisClick, &handlers_.printallClick, &handlers_.printretiredClick,
                   &handlers_.printcurrentClick, &handlers_.printsoldClick, &handlers_.printunsoldClick},
                  [this](const MenuHandler& handler) { run([&] { handler(st_); }); });

    c.scroll1->onDoubleClick = [this] { run([&] { handlers_.scroll1DblClick(st_); }); };
    c.Label19->onDoubleClick = [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton)
            run([&] { handlers_.Label19DblClick(st_); });
    };
    auto pressOnPicture = [this](Qt::MouseButton b) {
        const MouseButton button = b == Qt::RightButton    ? MouseButton::Right
                                   : b == Qt::MiddleButton ? MouseButton::Middle
                                                           : MouseButton::Left;
        if (b == Qt::LeftButton || b == Qt::RightButton || b == Qt::MiddleButton)
            run([&] { handlers_.beanimgMouseDown(st_, button); });
    };
    c.beanimg->onPress = [pressOnPicture](Qt::MouseButton b, QPoint) { pressOnPicture(b); };
    // As on the classic desktop: the double-click, then the press it stands for.
    c.beanimg->onDoubleClick = [this, pressOnPicture](Qt::MouseButton b) {
        if (b == Qt::LeftButton)
            run([&] { handlers_.beanimgDblClick(st_); });
        pressOnPicture(b);
    };
}

void Tmain::wireKeyboard()
{
    Controls& c = *c_;
    auto command = [this](const char* name, QWidget* button, std::function<void(MainState&)>& handler) {
        return KeyboardCommand{QString::fromLatin1(name), button,
                               [this, &handler] { run([&] { handler(st_); }); }};
    };
    KeyboardCommands keys{
        command("Add", c.addbutton, handlers_.addbuttonClick),
        command("Save", c.savebutt, handlers_.savebuttClick),
        command("Delete", c.deletebutton, handlers_.deletebuttonClick),
        command("Search", c.searchbutton, handlers_.searchbuttonClick),
        {QStringLiteral("Print"), c.printbutton,
         [this] {
             // Under the icon, with its first item ready for the arrow keys.
             QWidget* icon = c_->printbutton;
             printbuttonMouseDown(Qt::NoButton, icon->mapToGlobal(QPoint(icon->width() / 2, icon->height())));
             c_->printpop->setActiveAction(c_->printpop->actions().value(0));
         }},
        command("Help", c.helpbutton, handlers_.helpbuttonClick),
        command("Financial Summary", c.treasurebutton, handlers_.treasurebuttonClick),
        command("Did you know?", c.Image9, handlers_.Image9Click),
        c.recordslide,
    };
    installShortcuts(this, keys);
    nameForScreenReaders(this);
}

void Tmain::printbuttonMouseDown(Qt::MouseButton, const QPoint& atGlobal)
{
    popUpPrintMenu(atGlobal);
}

void Tmain::popUpPrintMenu(const QPoint& atGlobal)
{
    QMenu* menu = c_->printpop;
    const int width = menu->sizeHint().width();
    menu->popup(QPoint(atGlobal.x() - width / 2, atGlobal.y()));
}

bool Tmain::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat())
            keysDown_.emplace_back(watched, key->key());
        break;
    }
    case QEvent::FocusOut:
        std::erase_if(keysDown_, [watched](const auto& down) { return down.first == watched; });
        break;
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        // A held key repeats its press but is released once. A release whose
        // press went elsewhere (the Enter that closed the did-you-know window)
        // is not this control's.
        const auto down = std::find(keysDown_.begin(), keysDown_.end(), std::pair(watched, key->key()));
        if (key->isAutoRepeat() || down == keysDown_.end())
            break;
        keysDown_.erase(down);
        keyReleased(watched, keyCode(key));
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void Tmain::keyReleased(QObject* control, int code)
{
    Controls& c = *c_;
    const std::pair<QObject*, std::function<void(MainState&, int)>*> keyUps[] = {
        {c.nameedit, &handlers_.nameeditKeyUp},   {c.mfglist, &handlers_.mfglistKeyUp},
        {c.genlist, &handlers_.genlistKeyUp},     {c.condlist1, &handlers_.condlist1KeyUp},
        {c.condlist2, &handlers_.condlist2KeyUp}, {c.condlist3, &handlers_.condlist3KeyUp}};
    for (const auto& [watched, handler] : keyUps)
        if (watched == control)
            run([&] { (*handler)(st_, code); });
}

void Tmain::closeEvent(QCloseEvent* event)
{
    bool failed = false, declined = false;
    run([&] {
        try {
            handlers_.FormClose(st_);
        } catch (const Declined&) {
            declined = true;
            throw;
        } catch (...) {
            failed = true;
            throw;
        }
    });
    if (!declined && !failed) {
        event->accept();
        return;
    }
    // Declined: the user kept a changed file on disk, so closing without
    // writing is the only other way out. Failed: the error has been shown,
    // and closing now could lose the collection.
    const char* question = declined ? "Close without saving? What was changed since the last save is lost."
                                    : "The collection could not be written. Close anyway?";
    Answer answer = Answer::No;
    run([&] { answer = c_->boxes.show(MsgKind::Confirm, question, MsgButtons::YesNoDefaultNo); });
    if (answer == Answer::Yes)
        event->accept();
    else
        event->ignore();
}

} // namespace bw
