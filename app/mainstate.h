#pragma once
// Everything the run keeps: the three lists, the program folder, the shown
// record's snapshot and flags, and the controls and services of the window.
// The Qt window owns one of these; the tests build one over in-memory controls.
#include <array>
#include <chrono>
#include <map>
#include <set>
#include <string>

#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/path.h"
#include "platform/printer.h"
#include "platform/stringlist.h"
#include "platform/windows.h"
#include "store/backups.h"
#include "store/files.h"
#include "store/record.h"

namespace bw {

// The values as last put into the window by showCurrentRecord.
struct ShownSnapshot {
    std::string name, style;
    std::string birthday, retired, purchaseDate, sellDate;
    std::string purchasePrice, sellPrice, marketValue;
    int manufacturer = 0, generation = 0, generalCondition = 0, hangTagCondition = 0, tushTagCondition = 0;
};

// The main window's controls that the logic reads and writes.
struct MainControls {
    IEdit* nameedit = nullptr;
    IEdit* styleedit = nullptr;
    IEdit* bdayedit = nullptr; // masked date edits
    IEdit* rdayedit = nullptr;
    IEdit* pdayedit = nullptr;
    IEdit* sdayedit = nullptr;
    IEdit* buyedit = nullptr; // money edits
    IEdit* valedit = nullptr;
    IEdit* selledit = nullptr;
    IComboBox* mfglist = nullptr;
    IComboBox* genlist = nullptr;
    IComboBox* condlist1 = nullptr;
    IComboBox* condlist2 = nullptr;
    IComboBox* condlist3 = nullptr;
    IMemo* memo = nullptr;
    IScrollBar* recordslide = nullptr;
    ILabel* rlabel = nullptr;
    IPicture* beanimg = nullptr;
    IScrollBox* scroll1 = nullptr;
    IVisible* hscroll = nullptr;
    IVisible* vscroll = nullptr;
};

// What the logic reaches beyond the controls.
struct Services {
    IMessageBoxes* boxes = nullptr;
    IImageLoader* loader = nullptr;
    IPictureDialog* openpic = nullptr;
    ISecondaryWindows* windows = nullptr;
    IPrinter* printer = nullptr;
    IDesktop* desktop = nullptr;
    ISaveDialog* savefile = nullptr;
    IProgressReporter* progress = nullptr;
};

struct MainState {
    StringList RecordList; // a3.pvd
    StringList NoteList;   // a4.pvd
    StringList EntryList;  // a1.pvd

    Path appDir;
    DateOrder dateOrder = DateOrder::MonthFirst;
    // Data files that exist but could not be read at start-up: writing the
    // list over them would destroy what they hold, so they are never written.
    std::set<std::string> unreadFiles;
    // Each data file as this run last read or wrote it, by name: a file that
    // differs on disk was changed by something else and is not overwritten
    // without asking.
    std::map<std::string, FileState> onDisk;
    // Backups of the data files before each replacement; the clock names them.
    bool keepBackups = true;
    Clock clock = [] { return std::chrono::system_clock::now(); };
    bool backupFailureShown = false;

    int currentIndex = 0;
    ShownSnapshot shown;
    // The shown record's picture file (empty: none), and the text its next
    // store writes into the picture field while that file is kept.
    Path picturePath;
    std::string pictureField;
    bool trackNoteEdits = false;
    bool notesChanged = false;
    bool newRecordAdded = false;

    std::string searchText;
    int searchKind = 0;

    KeyGenerator keys;

    MainControls ui;
    Services sys;
};

} // namespace bw
