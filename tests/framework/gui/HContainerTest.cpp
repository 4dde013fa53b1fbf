#include "framework/gui/HContainer.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/gui/HMenuBar.h"
#include "framework/gui/HMenuItem.h"
#include "framework/gui/HWindow.h"
#include "tests/support/TestWindow.h"

namespace {

using Journal = std::vector<std::string>;

// Writes "create NAME", "layout NAME" and "paint NAME" into a journal.
class OrderProbe : public HComponent {
public:
    OrderProbe(const std::string& name, uint32_t id, Journal* journal)
        : HComponent(name, id), m_journal(journal)
    {
    }
    void create() override { m_journal->push_back("create " + getText()); }
    void layout() override { m_journal->push_back("layout " + getText()); }
    void paint() override { m_journal->push_back("paint " + getText()); }

private:
    Journal* m_journal;
};

TEST(HContainerTest, LayersOrderCreationLayoutAndPaintingWhateverThePosition)
{
    Journal journal;
    HContainer container("box", 1);
    OrderProbe a("a", 10, &journal);
    OrderProbe b("b", 11, &journal);
    OrderProbe c("c", 12, &journal);
    OrderProbe d("d", 13, &journal);
    EXPECT_EQ(container.add(&a), 0);
    EXPECT_EQ(container.add(&b), 1);
    EXPECT_EQ(container.add(&a), 0);  // a child added twice keeps its place
    EXPECT_EQ(container.add(&a, 1), 0);
    EXPECT_EQ(container.add(nullptr), -1);
    EXPECT_EQ(container.add(&c, 1), 1);   // a c b, c on the top layer
    EXPECT_EQ(container.add(&d, -1), 3);  // a c b d, d on top of c
    EXPECT_EQ(container.getChild(1), &c);
    EXPECT_EQ(container.indexOf(&b), 2);
    EXPECT_EQ(a.getParent(), &container);

    container.create();
    container.layout();
    container.paintChildren();
    EXPECT_EQ(journal, (Journal{"create a", "create b", "create c", "create d",  //
                                "layout d", "layout c", "layout b", "layout a",  //
                                "paint d", "paint c", "paint b", "paint a"}));

    // A child leaving keeps the layers of the others.
    journal.clear();
    EXPECT_TRUE(container.remove(&b));
    EXPECT_FALSE(container.remove(&container));
    {
        OrderProbe e("e", 14, &journal);
        container.add(&e, 0);
    }
    EXPECT_EQ(container.getCount(), 3);
    container.layout();
    EXPECT_EQ(journal, (Journal{"layout d", "layout c", "layout a"}));
}

TEST(HContainerTest, FindByIdSearchesDepthFirstAndAWindowItsMenuItemsFirst)
{
    Journal journal;
    HContainer outer("outer", 1);
    HContainer inner("inner", 2);
    OrderProbe deep("deep", 7, &journal);
    OrderProbe shallow("shallow", 7, &journal);
    OrderProbe other("other", 8, &journal);
    inner.add(&deep);
    outer.add(&inner);
    outer.add(&shallow);
    outer.add(&other);
    EXPECT_EQ(outer.findById(1), &outer);
    EXPECT_EQ(outer.findById(7), &deep);
    EXPECT_EQ(outer.findById(8), &other);
    EXPECT_EQ(outer.findById(9), nullptr);

    HWindow window(5);
    window.setClassName("TesselFindById");
    HMenuBar bar(&window, 2000, "");
    HMenuItem file(&bar, 2100, "ﾌｧｲﾙ(&F)", true, false);
    HMenuItem open(&file, 2101, "開く(&O)", true, false);
    OrderProbe child("child", 2101, &journal);
    OrderProbe last("last", 2300, &journal);
    window.add(&child);
    window.add(&last);
    EXPECT_EQ(window.getMenuItem(5), &window);
    EXPECT_EQ(window.getMenuItem(2101), &open);
    EXPECT_EQ(window.getMenuItem(2300), &last);
    EXPECT_EQ(window.getMenuItem(2999), nullptr);
}

TEST(HContainerTest, SizeMessageLaysOutRestoredAndMaximisedButNotMinimisedWindows)
{
    Journal journal;
    TestWindow window;
    OrderProbe child("child", 10, &journal);
    window.add(&child);
    window.create();
    ASSERT_NE(window.getHandle(), nullptr);
    journal.clear();
    SendMessageA(window.getHandle(), WM_SIZE, SIZE_MINIMIZED, MAKELPARAM(0, 0));
    EXPECT_TRUE(journal.empty());
    SendMessageA(window.getHandle(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(200, 100));
    SendMessageA(window.getHandle(), WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(200, 100));
    EXPECT_EQ(journal, (Journal{"layout child", "layout child"}));
}

}  // namespace
