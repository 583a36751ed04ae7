#pragma once

#include "optionlayout.h"

#include "form.h"

namespace platform {
class Label;
class OptionButton;
namespace db {
class Recordset;
}
} // namespace platform

// What the review screens share: the title and counter, the five option texts and buttons with
// the stored answer ticked, option-text clicks that tick without saving, and "【Hide】", which
// returns to the results screen.
class ReviewScreen : public platform::Form
{
    Q_OBJECT
public:
    explicit ReviewScreen(const QString &layoutResource);

    void Form_MouseMove() override;
    void Label1_Click() { TickOption(1); }
    void Label2_Click() { TickOption(2); }
    void Label3_Click() { TickOption(3); }
    void Label4_Click() { TickOption(4); }
    void Label5_Click() { TickOption(5); }
    void Label6_Click();
    void Label6_MouseDown();

    OptionLayout::Labels OptionLabels() const { return m_labels; }
    OptionLayout::Buttons OptionButtons() const { return m_buttons; }

    platform::Label *Label6;
    platform::Label *Label7;
    platform::Label *Label8;

protected:
    // The title and the counter of the question under review.
    void ShowHeader();
    // The option texts A to E of the open row; a Null text is an error.
    void ShowOptionTexts(const platform::db::Recordset &row);
    // Ticks the option of the stored letter (AttemptColumns::Letter): "A".."E" tick their option,
    // the empty text clears all, anything else (Null, a blank, lower case) ticks nothing.
    void TickStoredAnswer(const platform::db::Recordset &row);

private:
    void TickOption(int k);

    OptionLayout::Labels m_labels{};
    OptionLayout::Buttons m_buttons{};
};
