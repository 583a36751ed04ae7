#pragma once

#include "form.h"

namespace platform {
class DataControl;
class Grid;
class Image;
class Label;
} // namespace platform

// The results screen: the set's records in a grid with the marks in colour, the accuracy per
// question type, the export of the attempt record, the review of one question and the end of
// the program.
class Form7 : public platform::Form
{
    Q_OBJECT
public:
    Form7();

    void Form_Load() override;
    void Form_MouseMove() override;
    void MSHFlexGrid1_DblClick();
    void Label2_Click();
    void Label2_MouseDown();
    void Image3_Click();
    void Image3_MouseMove();
    void Image3_MouseDown();
    void Image3_MouseUp();

    platform::Label *Label1;
    platform::Label *Label2;
    platform::Label *Label5;
    platform::Label *Label6;
    platform::Label *Label7;
    platform::Image *Image3;
    platform::Grid *MSHFlexGrid1;
    platform::DataControl *Adodc1;

private:
    void BindGrid();
    void ColourMarks();
    void ShowAccuracy();
};
