#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class UIDialogQuestion;
}

// A message dialog: an icon, a word-wrapped text and a row of standard buttons, each of which ends the dialog with
// its button type as the result.
class UIDialogQuestion : public QDialog {
    Q_OBJECT

public:
    enum Icon { NoIcon, Information, Warning, Critical, Question };
    Q_ENUM(Icon)
    // The values of the standard message-box buttons.
    enum StandardButton {
        NoButton = 0x00000000,
        Ok = 0x00000400,
        Save = 0x00000800,
        SaveAll = 0x00001000,
        Open = 0x00002000,
        Yes = 0x00004000,
        YesToAll = 0x00008000,
        No = 0x00010000,
        NoToAll = 0x00020000,
        Abort = 0x00040000,
        Retry = 0x00080000,
        Ignore = 0x00100000,
        Close = 0x00200000,
        Cancel = 0x00400000,
        Discard = 0x00800000,
        Help = 0x01000000,
        Apply = 0x02000000,
        Reset = 0x04000000,
        RestoreDefaults = 0x08000000
    };
    Q_ENUM(StandardButton)
    Q_DECLARE_FLAGS(StandardButtons, StandardButton)
    Q_FLAG(StandardButtons)

    explicit UIDialogQuestion(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~UIDialogQuestion() override;

    // The question, word-wrapped beside the icon.
    void setText(const QString& text);
    // The style's information icon at the message-box icon size.
    void setQuestionIcon();
    // A button for every bit set, in the order of the standard buttons.
    void setButtons(int buttons);
    void addButton(const QString& text, int buttonType);
    // Which button is the default; the dialog leaves the buttons as they are.
    void setDefaultButton(int buttonType);

private:
    Ui::UIDialogQuestion* Form() const { return form_.get(); }
    std::unique_ptr<Ui::UIDialogQuestion> form_;
};
