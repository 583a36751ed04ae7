#include "form7.h"

#include "form10.h"
#include "form8.h"
#include "form9.h"

#include "public.h"
#include "recordexport.h"
#include "screenlooks.h"

#include "accuracy.h"
#include "attemptcolumns.h"
#include "marks.h"
#include "questiontype.h"

#include "colors.h"
#include "datacontrol.h"
#include "forms.h"
#include "grid.h"
#include "image.h"
#include "label.h"

#include <array>

namespace {
constexpr quint32 RightMarkColor = 0xFF00; // green
constexpr quint32 WrongMarkColor = 0xFF;   // red

// The shown grid columns, numbered from 0 (the option texts A to E are hidden).
constexpr int LetterColumn = 4; // AttemptColumns::Letter
constexpr int MarkColumn = 5;   // AttemptColumns::Mark
constexpr std::array<double, 7> ColumnWidthsTwips = {1250, 1250, 1600, 1250, 1250, 1800, 1250};
} // namespace

Form7::Form7() : Form(QStringLiteral(":/layouts/form7.json"))
{
    Label1 = control<platform::Label>(QStringLiteral("Label1"));
    Label2 = control<platform::Label>(QStringLiteral("Label2"));
    Label5 = control<platform::Label>(QStringLiteral("Label5"));
    Label6 = control<platform::Label>(QStringLiteral("Label6"));
    Label7 = control<platform::Label>(QStringLiteral("Label7"));
    Image3 = control<platform::Image>(QStringLiteral("Image3"));
    MSHFlexGrid1 = control<platform::Grid>(QStringLiteral("MSHFlexGrid1"));
    Adodc1 = control<platform::DataControl>(QStringLiteral("Adodc1"));

    connect(MSHFlexGrid1, &platform::Grid::doubleClicked, this, &Form7::MSHFlexGrid1_DblClick);
    connect(Label2, &platform::Label::clicked, this, &Form7::Label2_Click);
    connect(Label2, &platform::Label::mouseDown, this, &Form7::Label2_MouseDown);
    connect(Image3, &platform::Image::clicked, this, &Form7::Image3_Click);
    connect(Image3, &platform::Image::mouseMoved, this, &Form7::Image3_MouseMove);
    connect(Image3, &platform::Image::mouseDown, this, &Form7::Image3_MouseDown);
    connect(Image3, &platform::Image::mouseUp, this, &Form7::Image3_MouseUp);
}

void Form7::Form_Load()
{
    Label1->setCaption(Public::TitleText(Public::SetNo));
    BindGrid();
    ColourMarks();
    ShowAccuracy();
    Public::LoadEndExamPictures();
    Image3->setPicture(Public::PicEndExam0);
}

void Form7::BindGrid()
{
    // The database under the program folder, as every other step opens it: the program may be
    // started from any directory.
    Adodc1->setConnectionString(Public::ConnectionString());
    Adodc1->setLockType(platform::db::adLockReadOnly);
    Adodc1->setRecordSource(Public::OrderedWholeTableQuery(Public::SetNo));
    Adodc1->refresh();

    MSHFlexGrid1->setDataSource(Adodc1);
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignVCenter;
    for (int col = 0; col < int(ColumnWidthsTwips.size()); ++col)
        MSHFlexGrid1->setColAlignment(col, centred);
    for (int col = 0; col < int(ColumnWidthsTwips.size()); ++col)
        MSHFlexGrid1->setColWidth(col, ColumnWidthsTwips[size_t(col)]);
}

void Form7::ColourMarks()
{
    for (int row = 1; row < MSHFlexGrid1->rows(); ++row) {
        MSHFlexGrid1->setCol(MarkColumn);
        MSHFlexGrid1->setRow(row);
        QColor colour;
        if (MSHFlexGrid1->text() == Marks::Right)
            colour = platform::colorFromBgr(RightMarkColor);
        else if (MSHFlexGrid1->text() == Marks::Wrong)
            colour = platform::colorFromBgr(WrongMarkColor);
        else
            continue; // never answered, or a mark that is neither: uncoloured
        MSHFlexGrid1->setCellForeColor(colour);
        MSHFlexGrid1->setCol(LetterColumn);
        MSHFlexGrid1->setCellForeColor(colour);
    }
    MSHFlexGrid1->setRow(0);
    MSHFlexGrid1->setCol(0);
}

void Form7::ShowAccuracy()
{
    // From the rows the grid shows, as the data control found them, not from the grid's cells.
    const int typeField = Adodc1->fieldIndex(QuestionTypes::Column);
    const int markField = Adodc1->fieldIndex(AttemptColumns::Mark);
    Accuracy::Counts counts;
    for (int record = 0; record < Adodc1->recordCount(); ++record)
        counts.add(Adodc1->value(record, typeField), Adodc1->value(record, markField));

    const std::array<platform::Label *, 3> captions = {Label5, Label6, Label7};
    for (size_t type = 0; type < QuestionTypes::All.size(); ++type)
        captions[type]->setCaption(counts.caption(QuestionTypes::All[type]));
}

void Form7::MSHFlexGrid1_DblClick()
{
    const int row = MSHFlexGrid1->row();
    if (row < 1)
        return; // the header row or an empty grid: no question
    // Row i stands for question i: the rows are ordered by 题号.
    Public::QuestionNo = row;
    Public::OpenDb();
    Public::SqlText = Public::TypeQuery(Public::SetNo, Public::QuestionNo);
    Public::Rs->Open(Public::SqlText, *Public::Conn, platform::db::adLockOptimistic);
    QuestionTypes::WithScreenFor<Form8, Form9, Form10>(
        QuestionTypes::Named(Public::Rs->field(QuestionTypes::Column)), []<class Screen>() {
            Public::Conn->Close();
            platform::Forms::get<Screen>().Load();
            platform::Forms::get<Screen>().Show();
        });
    Public::Rs.reset();
}

void Form7::Label2_Click()
{
    RecordExport();
}

void Form7::Label2_MouseDown()
{
    Label2->setForeColor(platform::colorFromBgr(ScreenLooks::LinkPressedColor));
}

void Form7::Image3_Click()
{
    unload();
    // Closes every other screen too: the backdrop, review screens, a question screen hidden at
    // time-out.
    platform::endProgram(0);
}

void Form7::Image3_MouseMove()
{
    Image3->setPicture(Public::PicEndExam1);
}

void Form7::Image3_MouseDown()
{
    Image3->setPicture(Public::PicEndExam2);
}

void Form7::Image3_MouseUp()
{
    Image3->setPicture(Public::PicEndExam1);
}

void Form7::Form_MouseMove()
{
    Label2->setForeColor(platform::colorFromBgr(ScreenLooks::LinkColor));
    Image3->setPicture(Public::PicEndExam0);
}
