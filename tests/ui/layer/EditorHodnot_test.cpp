// The value-list editor: rows and height, editing in place, Enter that
// commits the cell before its handler runs, the key column passing the
// selection on, and the validity marks.
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/layer/EditorHodnot.h"
#include "ui/OknaTest.h"

namespace sitmera {
namespace {

using test::StiskniKlavesu;

class EditorHodnotTest : public test::OknaTest {
protected:
    void SetUp() override
    {
        OknaTest::SetUp();
        auto* l = new QVBoxLayout(&okno);
        editor = new EditorHodnot(QStringLiteral("ValueListEditor1"), &okno);
        l->addWidget(editor);
        editor->NastavRadky(4);
        editor->NastavSirkuKlicu(100);
        editor->setFixedWidth(240);
        okno.show();
        okno.activateWindow();
        editor->setFocus();
    }
    void TearDown() override
    {
        okno.Close();
        OknaTest::TearDown();
    }
    // The open cell's line editor (a closed one waits hidden for deletion).
    QLineEdit* Bunka() const
    {
        for (QLineEdit* e : editor->findChildren<QLineEdit*>())
            if (e->isVisible()) return e;
        return nullptr;
    }

    Formular okno{QStringLiteral("Form90")};
    EditorHodnot* editor = nullptr;
};

TEST_F(EditorHodnotTest, RowsShowWholeWithEmptyKeysAndValuesAndOnlyValuesAreEditable)
{
    EXPECT_EQ(editor->Radky(), 4);
    EXPECT_EQ(editor->height(), 19 * 4 + 3);
    for (int r = 0; r < 4; ++r) EXPECT_TRUE(editor->visualItemRect(editor->item(r, 1)).bottom() < editor->viewport()->height());
    EXPECT_EQ(editor->Hodnoty(), (TStringList{"", "", "", ""}));
    editor->NastavKlic(1, "Souřadnice X");
    EXPECT_EQ(editor->Klic(1), "Souřadnice X");
    EXPECT_EQ(editor->Klic(7), "");  // outside: nothing
    // The key cell passes the selection to the value of its row.
    editor->setCurrentCell(2, 0);
    EXPECT_EQ(editor->currentColumn(), 1);
    EXPECT_EQ(editor->currentRow(), 2);
    EXPECT_FALSE(editor->item(2, 0)->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(editor->item(2, 1)->flags() & Qt::ItemIsEditable);
    editor->NastavUpravy(false);
    EXPECT_FALSE(editor->item(2, 1)->flags() & Qt::ItemIsEditable);
}

TEST_F(EditorHodnotTest, EnterInAnOpenCellCommitsItBeforeTheHandlerRunsAndChangesAreSeenWhileTyping)
{
    std::vector<int> zmeny;
    std::vector<TStringList> priEnteru;
    editor->OnZmena = [&](int r) { zmeny.push_back(r); };
    editor->OnEnter = [&] { priEnteru.push_back({editor->Hodnota(0), editor->Hodnota(1)}); };

    editor->UpravHodnotu(1);
    ASSERT_TRUE(editor->Upravuje());
    QLineEdit* bunka = Bunka();
    ASSERT_NE(bunka, nullptr);
    bunka->setText(QStringLiteral("12.5"));
    // The text being typed is the row's value already, and reported.
    EXPECT_EQ(editor->Hodnota(1), "12.5");
    EXPECT_FALSE(zmeny.empty());
    EXPECT_EQ(zmeny.back(), 1);
    EXPECT_EQ(NaUtf8(editor->item(1, 1)->text()), "");  // not committed yet

    StiskniKlavesu(bunka, Qt::Key_Return);
    ASSERT_EQ(priEnteru.size(), 1u);
    EXPECT_EQ(priEnteru[0], (TStringList{"", "12.5"}));
    EXPECT_FALSE(editor->Upravuje());
    EXPECT_EQ(NaUtf8(editor->item(1, 1)->text()), "12.5");

    // Enter with no open cell runs the handler as well; Esc in a cell drops the change.
    StiskniKlavesu(editor, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(priEnteru.size(), 2u);
    editor->UpravHodnotu(1);
    Bunka()->setText(QStringLiteral("99"));
    StiskniKlavesu(Bunka(), Qt::Key_Escape);
    EXPECT_FALSE(editor->Upravuje());
    EXPECT_EQ(editor->Hodnota(1), "12.5");
}

TEST_F(EditorHodnotTest, MarksAreGreenOrRedBarsAtTheRightEdgeOfTheValue)
{
    // A narrow companion: a unit and the mark.
    editor->NastavSirkuKlicu(44);
    editor->setFixedWidth(60);
    editor->NastavZnacku(0, TznackaPlatnosti::platna);
    editor->NastavZnacku(1, TznackaPlatnosti::neplatna);
    EXPECT_EQ(editor->Znacka(1), TznackaPlatnosti::neplatna);
    EXPECT_EQ(editor->Znacka(2), TznackaPlatnosti::zadna);
    const QImage obraz = editor->viewport()->grab().toImage();
    auto barvaZnacky = [&](int r) {
        const QRect b = editor->visualItemRect(editor->item(r, 1));
        return obraz.pixelColor(b.x() + b.width() - 6, b.y() + b.height() / 2);
    };
    EXPECT_EQ(barvaZnacky(0), QColor(0x59, 0xBE, 0x4D));
    EXPECT_EQ(barvaZnacky(1), QColor(0xEE, 0x5C, 0x5C));
    EXPECT_EQ(barvaZnacky(2), QColor(Qt::white));
}

}  // namespace
}  // namespace sitmera
