#pragma once

class ActionButton;
class BevelPanel;
class DrawGrid;
class LinkLabel;
class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;
class RadioGroup;
class SegmentClock;

// The main window's controls, as the layout builds them, in the order the window declares them.
// Every control carries its field name as its object name, which is how tests find it.
struct MainWindowControls {
    BevelPanel* pnlTopMain = nullptr;
    BevelPanel* Panel1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* StaticText1 = nullptr;
    QLabel* StaticText2 = nullptr;
    BevelPanel* pnlTopControlsClient = nullptr;
    ActionButton* btnGenera = nullptr;
    RadioGroup* cbg1 = nullptr;
    RadioGroup* cbgLivello = nullptr;
    BevelPanel* Panel3 = nullptr;
    ActionButton* btnHelp = nullptr;
    QLabel* cxLabel3 = nullptr;
    LinkLabel* cxHyperLinkEdit2 = nullptr;
    BevelPanel* pnlGrid = nullptr;
    DrawGrid* sg1 = nullptr;
    BevelPanel* pnlRight = nullptr;
    BevelPanel* pnlButtons = nullptr;
    ActionButton* btnPlay = nullptr;
    ActionButton* btnToggleView = nullptr;
    ActionButton* btnPrint = nullptr;
    BevelPanel* pnlGameOn = nullptr;
    QCheckBox* cbxHideTimer = nullptr;
    SegmentClock* Clock1 = nullptr;
    QCheckBox* cbxControllo = nullptr;
    ActionButton* cxButton1 = nullptr;
    // The play comforts' boxes, below the design's controls of the game panel.
    QCheckBox* cbxPencil = nullptr;
    QCheckBox* cbxHighlight = nullptr;
    BevelPanel* pnlLayout = nullptr;
    QLabel* StaticText3 = nullptr;
    QLabel* StaticText4 = nullptr;
    QPushButton* btnFontPiu = nullptr;
    QPushButton* btnFontMeno = nullptr;
    QMenu* popm1 = nullptr;
    // ActionList1, in its declared order.
    QAction* ActPrint = nullptr;
    QAction* ActGenera = nullptr;
    QAction* ActToggleView = nullptr;
    QAction* ActPlay = nullptr;
    QAction* ActSuggerisci = nullptr;
    QAction* ActHelp = nullptr;
    // The play comforts' actions, for the grid's menu.
    QAction* ActFillCandidates = nullptr;
    QAction* ActUndo = nullptr;
    QAction* ActRedo = nullptr;
};
