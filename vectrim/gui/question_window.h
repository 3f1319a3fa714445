// The yes/no question window: a picture, the question in Label1 and the
// buttons "Ja" (Command1) and "Nein" (Command3). Modal; it centres itself on
// the main window. Closing it without an answer counts as "Nein".
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace vectrim {

class Form100 : public QDialog {
    Q_OBJECT
public:
    Form100(QWidget* mainWindow, const QString& title, const QString& text);

    // "J" or "N" once the window has closed.
    QString answer() const { return answer_; }

    QLabel* Label1 = nullptr;
    QPushButton* Command1 = nullptr; // "Ja"
    QPushButton* Command3 = nullptr; // "Nein"

public slots:
    void Command1_Click();
    void Command3_Click();

protected:
    void showEvent(QShowEvent* e) override;

private:
    QWidget* main_;
    QString answer_ = QStringLiteral("N");
};

// Shows the question modally and returns 'J' or 'N'.
char askWithForm100(QWidget* mainWindow, const QString& title, const QString& text);

} // namespace vectrim
