#include "ui/ViewUtil.h"
#include "support/TestEnv.h"
#include "ui/ViewLookupException.h"

#include <QWidget>

using ui::ViewUtil;

namespace {

QWidget* tagged(QWidget* parent, int tag, const QString& name) {
    auto* w = new QWidget(parent);
    ViewUtil::setTag(w, tag);
    w->setObjectName(name);
    return w;
}

class ViewUtilTest : public QuorvelTest {};

} // namespace

TEST_F(ViewUtilTest, GetSubviewLooksAtDirectChildrenSubviewOfSearchesDepthFirst) {
    QWidget root;
    QWidget* bar = tagged(&root, -98994, "bar");
    tagged(bar, -98995, "dayLabel");
    EXPECT_EQ(ViewUtil::getSubviewOf(&root, -98994), bar);
    try {
        ViewUtil::getSubviewOf(&root, -98995);
        FAIL() << "a grandchild must not be found";
    } catch (const ui::ViewLookupException& e) {
        EXPECT_EQ(e.name(), "BaseThreeViewController");
        EXPECT_EQ(e.reason(), "Subview with tag -98995 not found");
    }
    // subviewOf searches depth first in child order.
    QWidget* deep = tagged(bar, 7, "deep");
    tagged(&root, 7, "later sibling");
    EXPECT_EQ(ViewUtil::subviewOf(&root, 7), deep);
    EXPECT_EQ(ViewUtil::subviewOf(&root, 42), nullptr);
}

TEST_F(ViewUtilTest, FramesSetInsideABlockMoveOnlyWhenCommitted) {
    QWidget root;
    QWidget* a = tagged(&root, 1, "a");
    a->setGeometry(0, 0, 10, 10);
    ViewUtil::prepareAnimation(0.6);
    ViewUtil::setFrame(a, QRect(0, 100, 320, 50));
    EXPECT_EQ(a->geometry(), QRect(0, 0, 10, 10));
    ViewUtil::commitAnimation();
    EXPECT_EQ(a->geometry(), QRect(0, 100, 320, 50)); // animations are off in tests
    ViewUtil::setFrame(a, QRect(1, 1, 1, 1));
    EXPECT_EQ(a->geometry(), QRect(1, 1, 1, 1));
}
