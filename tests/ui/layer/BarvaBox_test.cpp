// The colour box: the 20 named colours in the order the settings store, and
// selection by position or value, where only the user's choice reports.
#include "drawing/dxfwriter.h"
#include "ui/OknaTest.h"
#include "ui/layer/BarvaBox.h"

namespace sitmera {
namespace {

class BarvaBoxTest : public test::OknaTest {};

TEST_F(BarvaBoxTest, ListsTheTwentyColoursAndSelectsByPositionOrValue)
{
    test::OknoSLabelem okno(QStringLiteral("Form85"));
    auto* box = new BarvaBox(QStringLiteral("ColorBox1"), &okno);
    okno.layout()->addWidget(box);
    int vyberu = 0;
    box->OnSelect = [&] { ++vyberu; };

    ASSERT_EQ(box->count(), 20);
    const std::pair<int, const char*> nazvy[] = {{0, "Black"},  {8, "Silver"},       {11, "Yellow"},
                                                 {14, "Aqua"},  {16, "Money Green"}, {19, "Medium Gray"}};
    for (const auto& [i, nazev] : nazvy) EXPECT_EQ(NaUtf8(box->itemText(i)), nazev);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(IndexBarvy(BarvySeznamu[static_cast<std::size_t>(i)]), i);

    EXPECT_TRUE(box->NastavIndex(11));
    EXPECT_EQ(box->Barva(), 0x00FFFFu);
    EXPECT_FALSE(box->NastavIndex(20));
    EXPECT_FALSE(box->NastavIndex(-1));
    EXPECT_EQ(box->Index(), 11);
    EXPECT_TRUE(box->NastavBarvu(0xC0C0C0));
    EXPECT_EQ(box->Index(), 8);
    EXPECT_FALSE(box->NastavBarvu(0x123456));
    EXPECT_EQ(box->Index(), 8);
    EXPECT_EQ(vyberu, 0);  // the code's choices do not report

    okno.show();
    test::StiskniKlavesu(box, Qt::Key_Down);
    EXPECT_EQ(box->Index(), 9);
    EXPECT_EQ(vyberu, 1);
    okno.Close();
}

}  // namespace
}  // namespace sitmera
