// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the month grid with its title, the icon strip and menus that step through
// the months, the enlarge and report toggles, and the docked report window. It turns window
// events into changes of the display state and redraws; the drawing and the rules live in view/.

#include "engine/OfficialDays.h"
#include "platform/ChoiceStore.h"
#include "platform/Clock.h"
#include "platform/DayChange.h"
#include "platform/InstalledFonts.h"
#include "platform/Screen.h"
#include "report/CalendarEvents.h"
#include "report/OfficialDaysLoader.h"
#include "report/TextResourceLoader.h"
#include "view/DisplayState.h"
#include "view/MonthGeometry.h"

#include <QMainWindow>
#include <QMargins>
#include <QPointer>
#include <array>
#include <functional>
#include <utility>

class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QToolButton;
class frmInfo;
class QTimer;
namespace app {
class FontPass;
class PictureBox;
} // namespace app
namespace promo {
class GG1;
}

class frmMain final : public QMainWindow {
    Q_OBJECT
public:
    // Everything the main window takes from outside; tests give fakes.
    struct Services {
        const platform::Clock& clock;
        const platform::Screen& screen;
        const platform::InstalledFonts& fonts;
        // The font, size and report toggle kept between runs.
        platform::ChoiceStore& choices;
        // Announces that today may have become another day.
        platform::DayChange& dayChange;
        // Reads the six text resources.
        std::function<report::TextResourceLoad()> loadTexts;
        // Reads the official days off and working days (the carried table and the user's file).
        std::function<report::OfficialDaysLoad()> loadOfficialDays;
        // Asks where to save a file, suggesting the name given; empty when the user cancels.
        std::function<QString(const QString& suggestedName)> chooseSaveFile;
        // Creates the promotion window (not yet shown).
        std::function<promo::GG1*()> createPromotionWindow;
        // Tells the user what went wrong (why the program cannot start, a file not saved).
        std::function<void(const QString& message)> tellUser;
    };

    explicit frmMain(Services services);
    ~frmMain() override;

    // Start-up: the promotion gate, the text resources, the remembered choices, the report window,
    // today's month, key hints, show, centre, and last the font pass, which fills the font list
    // while the window is already in use. False when the program cannot start (the user has been
    // told why).
    bool Form_Load();
    // The font pass has ended or been stopped: the font list takes no more names.
    bool fontsReady() const;

    // Opens the promotion window, once: Timer3 fires 3 s after start-up armed it.
    void Timer3_Timer();
    promo::GG1* promotionWindow() const;

    // Redraws the month, the title and the day report from the display state.
    void ReDrawCalendar();

    const view::DisplayState& displayState() const { return state_; }
    const view::MonthGeometry& gridGeometry() const { return grid_; }
    frmInfo* reportWindow() const { return info_; }

    // Navigation command `Index` of the icon strip: 0 previous year, 1 previous month,
    // 2 next month, 3 next year, 4 today; anything else only redraws.
    void Image2_Click(int Index);
    void mnuCalendarLastYear_Click() { Image2_Click(0); }
    void mnuCalendarLastMonth_Click() { Image2_Click(1); }
    void mnuCalendarNextMonth_Click() { Image2_Click(2); }
    void mnuCalendarNextYear_Click() { Image2_Click(3); }
    void Command1_Click();
    void Command2_Click();
    void picMain_MouseDown(float X, float Y);
    void picMain_KeyDown(int KeyCode);
    // The wheel over the grid: one month per notch, forward when it turns down.
    void picMain_Wheel(int notches);
    // The font list's selection changed, by the user or by the program: draw in that face.
    void Combo1_Click();
    // 导出 iCalendar…: asks for the years and kinds, then where to save, and saves.
    void mnuCalendarExport_Click();
    // Saves the events of the years from..to of the chosen kinds as an iCalendar file at `path`,
    // written whole; a failure is told to the user. Returns whether the file was written.
    bool exportICalendar(const QString& path, int fromYear, int toYear, report::CalendarEventKinds kinds);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildClientArea();
    void buildMenus();
    void Form_Resize();
    void keepLayout();
    bool isNormalState() const;
    void applyEnlargement();
    void showToggleStates();
    void showEnlargeState();
    void saveChoices();
    void applyRememberedFont(const platform::RememberedChoices& choices);
    void centreAgainOnceFramed();
    void placeControls();
    void dockReportWindow();
    void updateReportVisibility();
    void centrePair();
    void ReDrawInfo();
    void startFontPass();
    void fontPassFinished();
    void Form_QueryUnload();
    int reportWidthTwips() const;
    QRect outerTwips() const;
    void setOuterSizeTwips(QSize twips);

    Services services_;
    const platform::Clock& clock_;
    const platform::Screen& screen_;
    report::TextResources texts_;
    engine::OfficialDays official_;
    view::DisplayState state_;
    view::MonthGeometry grid_;

    QSize minOuterTwips_; // MinWidth, MinHeight: the outer size as designed
    bool InfoHidden = false;
    bool Enlarged = false;
    QSize savedOuterTwips_; // SavedWidth, SavedHeight; empty when not enlarged
    // A toggle was used while the window was maximised or minimised; it applies on restore.
    bool layoutPending_ = false;
    // The frames the pair was last centred with, until both windows have theirs from the window
    // manager; each frame that arrives later centres the pair again.
    std::pair<QMargins, QMargins> centredFrames_;
    bool centredWithFrames_ = false;
    bool Command1Pressed = false;
    bool Command2Pressed = false;

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QWidget* picToolbar = nullptr;
    std::array<QToolButton*, 5> Image2{};
    QComboBox* Combo1 = nullptr;
    app::PictureBox* picMain = nullptr;
    QAction* mnuCalendarLastYear = nullptr;
    QAction* mnuCalendarLastMonth = nullptr;
    QAction* mnuCalendarNextMonth = nullptr;
    QAction* mnuCalendarNextYear = nullptr;
    QAction* mnuCalendarExport = nullptr;
    QAction* mnuViewShowInfo = nullptr;
    QTimer* Timer3 = nullptr;
    app::FontPass* fontPass_ = nullptr;
    frmInfo* info_ = nullptr;
    QPointer<promo::GG1> GG1_;
};
