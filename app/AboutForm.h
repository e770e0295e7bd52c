#pragma once
// TForm5, the About box: the program's name, purpose, version and developers over a picture,
// a picture of the mechanism, the web-site link and the "Закрыть" button. Created hidden at
// start-up and shown modally by the main window's menu.

#include <QDialog>

class BevelPanel;
class QLabel;
class QPushButton;
class TForm4;

class TForm5 : public QDialog {
    Q_OBJECT

public:
    explicit TForm5(QWidget* parent = nullptr);

    // The main window whose OpenWebPage the link calls (not owned).
    void SetMainForm(TForm4* mainForm) { mainForm_ = mainForm; }

    // ---- Handlers ----
    void Button1Click();  // "Закрыть": ends the modal call
    void Label1Click();   // the web-site link

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateTopPanel();
    QLabel* AddLabel(QWidget* parent, const QString& caption, QPoint at, const QFont& font, QRgb colour);

    TForm4* mainForm_ = nullptr;

    // ---- Components (objectName = the name below) ----
    BevelPanel* Panel1 = nullptr;
    QLabel* Image1 = nullptr;
    BevelPanel* Panel2 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Button2 = nullptr;
};
