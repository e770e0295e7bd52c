#pragma once
// The frame of the analysis tabs ("Ускорения", "Силы"): a strip of input fields over pages of
// charts, a table and a vector plan, all showing the window's one result. The frame subscribes
// the tab to the result, turns a fault of the tab's own arithmetic into a cleared tab and one
// report to the publisher, and draws the plan of the position the drawing tab shows.
//
// A tab builds its strip and pages with the frame's helpers and implements three things: show a
// result, clear everything shown, draw the plan of the selected position.

#include "app/ResultPublisher.h"

#include <QWidget>

#include <functional>

class FieldExitRule;
class QCheckBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTabWidget;
class TabField;
class TabTable;
class TImage;
struct InputRule;
struct Quantity;

class AnalysisTab : public QWidget {
    Q_OBJECT

public:
    // The position of the diagrams' solve whose plan the tab draws (one outside it draws none).
    void SelectPosition(int selected);
    int SelectedPosition() const { return selected_; }

protected:
    // `fields` registers the strip's fields, so that leaving them follows the window's rule.
    AnalysisTab(const char* objectName, const char* stripName, const char* pagesName, ResultPublisher* results,
                FieldExitRule* fields, QWidget* parent);

    // ---- Building ----
    // A caption and a field in the strip; `width` pixels wide, with its tooltip.
    TabField* AddField(const QString& caption, const char* objectName, double initial, const InputRule& rule, int width,
                       const QString& hint);
    QHBoxLayout* Strip() const { return strip_; }
    // A button "Вписать" next in the strip: sets `field` to what `fit` gives for the current
    // result (0: the field stays) and draws the plan again.
    QPushButton* AddFitButton(const char* objectName, TabField* field, std::function<double()> fit);
    void AddPage(QWidget* page, const QString& caption);
    // A table page headed by the angle "φ, °" and `quantities`.
    TabTable* AddTablePage(const char* objectName, const std::vector<const Quantity*>& quantities, const QString& caption);
    // A page with the plan's picture on the left and `beside` on the right.
    QWidget* MakePlanPage(const char* imageName, QWidget* beside, TImage*& image);

    // ---- Loads ----
    // The loads' fields a tab shows (q, m5, Fс and the gravity box), filled from a result.
    struct LoadFields {
        TabField* linearMass = nullptr;
        TabField* sliderMass = nullptr;
        TabField* resistance = nullptr;
        QCheckBox* gravity = nullptr;
        void Show(const ForceParameters& loads) const;
    };
    // The gravity box next in the strip, checked as the loads in use; a click switches gravity.
    QCheckBox* AddGravityBox(const QString& caption, const char* objectName);
    // An accepted value of `field` becomes the load `member`.
    void ConnectLoad(TabField* field, double ForceParameters::*member);
    // Makes the window's result again with `loads` (the kinematics stay).
    void ChangeLoads(const ForceParameters& loads);

    // ---- The result ----
    ResultPublisher& Results() const { return *results_; }
    const CalculationResult* Result() const { return results_->Result().get(); }
    // True after the tab's own arithmetic faulted on the current result: nothing of it is shown.
    bool ShowingFailed() const { return failed_; }

    virtual void ShowResult(const CalculationResult& result, ResultChange change) = 0;
    virtual void ClearResult() = 0;
    // Draws the plan of SelectedPosition() of the current result (may throw FloatingPointError).
    virtual void DrawPlan() = 0;
    // Blanks a plan picture and its caption.
    static void ClearPlan(TImage* image, QLabel* caption);

    void showEvent(QShowEvent* event) override;

private:
    // A click that left a field with a refused value does not toggle the box.
    void GravityClicked(QCheckBox* box, bool checked);
    // A hidden tab takes a publication when it is shown: nobody sees it before.
    void OnPublished(ResultChange change);
    // Shows the current result; the text of the tab's own fault, empty when none.
    QString ShowPublished(ResultChange change);

    ResultPublisher* results_;
    FieldExitRule* fields_;
    QHBoxLayout* strip_ = nullptr;
    QTabWidget* pages_ = nullptr;
    int selected_ = 0;
    const CalculationResult* shown_ = nullptr;  // the result the tab showed last
    bool failed_ = false;
    bool pending_ = false;                      // a publication waits for the tab to be shown
    ResultChange pendingChange_ = ResultChange::LoadsChanged;
};
