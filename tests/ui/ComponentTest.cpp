#include "support/UiTest.h"

#include "core/Exception.h"
#include "ui/Button.h"
#include "ui/Component.h"
#include "ui/Panel.h"
#include "ui/PopupMenu.h"

#include <string>
#include <vector>

using namespace tavrik;
using namespace tavrik::testing;

namespace {

// Records its own destruction in a shared log.
class TLogged : public TComponent {
public:
    TLogged(TComponent* owner, std::string tag, std::vector<std::string>& log)
        : TComponent(owner), tag_(std::move(tag)), log_(log)
    {
    }
    ~TLogged() override { log_.push_back(tag_); }

private:
    std::string tag_;
    std::vector<std::string>& log_;
};

// Holds a reference it must forget when the target goes.
class THolder : public TComponent {
public:
    using TComponent::TComponent;
    void Hold(TComponent* target)
    {
        target_ = target;
        target->FreeNotification(this);
    }
    TComponent* target_ = nullptr;
    std::vector<TOperation> seen;

    void Notification(TComponent* c, TOperation op) override
    {
        if (c == target_ && op == TOperation::opRemove) target_ = nullptr;
        seen.push_back(op);
        TComponent::Notification(c, op);
    }
};

} // namespace

TEST(Component, OwnerFreesWhatItOwnsLastCreatedFirst)
{
    std::vector<std::string> log;
    auto* root = new TLogged(nullptr, "root", log);
    auto* a = new TLogged(root, "a", log);
    new TLogged(a, "a.child", log);
    new TLogged(root, "b", log);
    EXPECT_EQ(root->ComponentCount(), 2);
    EXPECT_EQ(a->ComponentIndex(), 0);
    root->Free();
    EXPECT_EQ(log, (std::vector<std::string>{"b", "a.child", "a", "root"}));
}

TEST(Component, DeletingAnOwnedComponentTakesItOutOfItsOwner)
{
    std::vector<std::string> log;
    TLogged root(nullptr, "root", log);
    auto* a = new TLogged(&root, "a", log);
    auto* b = new TLogged(&root, "b", log);
    delete a;
    ASSERT_EQ(root.ComponentCount(), 1);
    EXPECT_EQ(root.Components(0), b);
    b->Free();
    EXPECT_EQ(root.ComponentCount(), 0);
}

TEST(Component, FreeNotificationClearsReferencesBothWays)
{
    TComponent owner;
    auto* holder = new THolder(&owner);
    auto* target = new TComponent(nullptr);
    holder->Hold(target);
    target->Free();
    EXPECT_EQ(holder->target_, nullptr);

    // The holder going first drops the link, so the target's end tells nobody.
    auto* target2 = new TComponent(nullptr);
    auto* holder2 = new THolder(nullptr);
    holder2->Hold(target2);
    holder2->Free();
    target2->Free(); // would touch the freed holder without the dropped link
}

TEST(Component, SiblingsHearOfInsertionsAndRemovalsInTheirOwner)
{
    TComponent owner;
    auto* holder = new THolder(&owner);
    auto* other = new TComponent(&owner);
    other->Free();
    EXPECT_EQ(holder->seen, (std::vector<TOperation>{TOperation::opInsert, TOperation::opRemove}));
}

TEST(Component, NamesAreUniqueAmongSiblingsIgnoringCase)
{
    TComponent owner;
    auto* a = new TComponent(&owner);
    a->SetName("Button1");
    auto* b = new TComponent(&owner);
    EXPECT_THROW(b->SetName("button1"), Exception);
    b->SetName("Button2");
    EXPECT_EQ(owner.FindComponent("BUTTON2"), b);
    EXPECT_EQ(owner.FindComponent(""), nullptr);
    // Moving a component into an owner that has its name is refused too.
    TComponent other;
    auto* c = new TComponent(&other);
    c->SetName("Button1");
    EXPECT_THROW(owner.InsertComponent(c), Exception);
    EXPECT_EQ(c->Owner(), &other);
}

TEST(Component, GuardsAndRefsTellThatAComponentIsGone)
{
    auto* c = new TComponent(nullptr);
    auto guard = c->Guard();
    TComponentRef<TComponent> ref(c);
    EXPECT_TRUE(guard);
    EXPECT_EQ(ref.Get(), c);
    c->Free();
    EXPECT_FALSE(guard);
    EXPECT_EQ(ref.Get(), nullptr);
}

using ComponentUi = UiTest;

TEST_F(ComponentUi, APopupMenuFreedBeforeItsControlIsForgotten)
{
    TForm* form = NewForm();
    auto* button = new TButton(form);
    button->SetParent(form);
    auto* menu = new TPopupMenu(nullptr);
    button->SetPopupMenu(menu);
    menu->Free();
    EXPECT_EQ(button->PopupMenu(), nullptr);
    // A right click now finds no menu and does nothing.
    ClickOn(button, TMouseButton::Right);
}

TEST_F(ComponentUi, AParentFreesItsChildControlsWhoeverOwnsThem)
{
    TForm* form = NewForm();
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    TComponent outsider;
    auto* button = new TButton(&outsider);
    button->SetParent(panel);
    HWND buttonWindow = button->Handle();
    panel->Free();
    EXPECT_EQ(outsider.ComponentCount(), 0);
    EXPECT_FALSE(IsWindow(buttonWindow));
    EXPECT_EQ(form->ControlCount(), 0);
}
