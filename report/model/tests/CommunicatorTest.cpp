#include "ComponentNames.h"
#include "TppRelative.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// A subscriber whose reaction to an event is set per test.
class Listener : public TppRelative {
public:
    using TppRelative::TppRelative;
    void EventNotify(TppCommunicator* sender, int kind, TppEventParams* params) override {
        ++heard;
        TppRelative::EventNotify(sender, kind, params);
        // Last, and from a copy: the reaction may free this listener.
        if (const auto reaction = react)
            reaction(this);
    }
    int heard = 0;
    std::function<void(Listener*)> react;
};

class Holder : public TppRelative {
public:
    using TppRelative::TppRelative;
    void hold(TppCommunicator* target) {
        held = target;
        LinkTo(target);
    }
    void Notify(TppCommunicator* sender, int operation) override {
        if (operation == ppopRemove && sender == held)
            held = nullptr;
        TppRelative::Notify(sender, operation);
    }
    TppCommunicator* held = nullptr;
};

constexpr int kKind = 24;

class CommunicatorTest : public testing::Test {
protected:
    Listener* listener() {
        auto* l = new Listener(&form);
        l->AddEventKind(kKind);
        sender->SubscribeEvents(l);
        return l;
    }
    OwnedComponent form;
    TppRelative* sender = new TppRelative(&form);
};

TEST_F(CommunicatorTest, DestroyingALinkedObjectClearsTheReference) {
    auto* holder = new Holder(&form);
    holder->hold(sender);
    ASSERT_TRUE(sender->IsLinkedTo(holder));
    delete sender;
    sender = nullptr;
    EXPECT_EQ(holder->held, nullptr);
    EXPECT_TRUE(holder->links().isEmpty());
}

TEST_F(CommunicatorTest, OnlyListenedKindsAreDeliveredAndKindsAbove255Dropped) {
    Listener* a = listener();
    Listener* b = new Listener(&form);
    sender->SubscribeEvents(b);
    sender->BroadcastEvent(sender, kKind);
    sender->BroadcastEvent(sender, 300);
    EXPECT_EQ(a->heard, 1);
    EXPECT_EQ(b->heard, 0) << "b listens to no kind";
    EXPECT_TRUE(sender->HasEventSubscriber(kKind));
    EXPECT_FALSE(sender->HasEventSubscriber(25));
}

// Every subscriber still listed when its turn comes hears the event exactly
// once, whatever the others do meanwhile. Run under AddressSanitizer.
TEST_F(CommunicatorTest, HandlersThatChangeTheListDuringABroadcast) {
    struct Case {
        const char* name;
        std::function<void(Listener* first, Listener* second, Listener* third)> arrange;
        std::array<int, 3> expected; // -1: freed during the broadcast
    };
    const Case cases[] = {
        {"first unsubscribes itself",
         [this](Listener* f, Listener*, Listener*) {
             f->react = [this](Listener* me) { sender->UnsubscribeEvents(me); };
         },
         {1, 1, 1}},
        {"second frees itself",
         [](Listener*, Listener* s, Listener*) { s->react = [](Listener* me) { delete me; }; },
         {1, -1, 1}},
        {"first frees the third before its turn",
         [](Listener* f, Listener*, Listener* t) { f->react = [t](Listener*) { delete t; }; },
         {1, 1, -1}},
        {"first subscribes a newcomer, who waits for the next event",
         [this](Listener* f, Listener*, Listener*) {
             f->react = [this](Listener* me) {
                 me->react = nullptr;
                 listener();
             };
         },
         {1, 1, 1}},
    };
    for (const Case& c : cases) {
        delete sender;
        sender = new TppRelative(&form);
        Listener* first = listener();
        Listener* second = listener();
        Listener* third = listener();
        c.arrange(first, second, third);
        sender->BroadcastEvent(sender, kKind);
        const std::array<Listener*, 3> all = {first, second, third};
        for (int i = 0; i < 3; ++i) {
            const bool freed = !form.components().contains(all[size_t(i)]);
            if (c.expected[size_t(i)] < 0)
                EXPECT_TRUE(freed) << c.name;
            else
                EXPECT_EQ(all[size_t(i)]->heard, c.expected[size_t(i)]) << c.name << ", listener " << i;
        }
        for (Listener* l : all)
            if (form.components().contains(l))
                delete l;
    }
}

TEST_F(CommunicatorTest, AHandlerMayFreeTheBroadcaster) {
    Listener* first = listener();
    Listener* second = listener();
    first->react = [this](Listener*) {
        delete sender;
        sender = nullptr;
    };
    TppRelative* broadcaster = sender;
    broadcaster->BroadcastEvent(broadcaster, kKind);
    EXPECT_EQ(first->heard, 1);
    EXPECT_EQ(second->heard, 0) << "the broadcast ends with its broadcaster";
    EXPECT_TRUE(first->links().isEmpty());
}

TEST_F(CommunicatorTest, NotificationsGoLastLinkedFirstAndSurviveFreeing) {
    QStringList order;
    Holder* a = new Holder(&form);
    Holder* b = new Holder(&form);
    a->hold(sender);
    b->hold(sender);
    a->OnNotify = [&](TppCommunicator*, int) { order << "a"; };
    b->OnNotify = [&](TppCommunicator*, int) {
        order << "b";
        delete a;
    };
    sender->BroadcastNotification(sender, ppopDataChange);
    EXPECT_EQ(order, QStringList({"b"})) << "a was freed before its turn";
}

TEST(UserNameTest, TakenNamesGetTheNextFreeNumber) {
    OwnedComponent form;
    auto* total = new TppRelative(&form);
    auto* total1 = new TppRelative(&form);
    auto* other = new TppRelative(&form);
    total->SetUserName("Total");
    total1->SetUserName("Total1");
    other->SetUserName("Total");
    EXPECT_EQ(other->UserName(), "Total2");
    other->SetUserName("TOTAL1");
    EXPECT_EQ(other->UserName(), "Total2") << "taken, and ending in a digit: no change";
    other->SetUserName("not valid");
    EXPECT_EQ(other->UserName(), "Total2") << "not an identifier: ignored";
    other->SetUserName("Grand");
    EXPECT_EQ(other->UserName(), "Grand");
}

class TppLabelLike : public TppRelative {
public:
    using TppRelative::TppRelative;
    static const ClassInfo& staticClassInfo() {
        static const ClassInfo info(QStringLiteral("TppLabel"), &TppRelative::staticClassInfo());
        return info;
    }
    const ClassInfo& classInfo() const override { return staticClassInfo(); }
};

TEST(UserNameTest, UserNameFollowsRenamesUntilCustomised) {
    OwnedComponent form;
    auto* label = new TppLabelLike(&form);
    label->SetName("ppLabel1");
    EXPECT_EQ(label->UserName(), "Label1");
    label->SetName("ppLabel7");
    EXPECT_EQ(label->UserName(), "Label7");
    label->SetUserName("Amount");
    label->SetName("ppLabel8");
    EXPECT_EQ(label->UserName(), "Amount") << "a name the user chose stays";
}

TEST(UserNameTest, UniqueComponentNameFillsTheFirstGap) {
    OwnedComponent form;
    auto* label1 = new TppLabelLike(&form);
    auto* label2 = new TppLabelLike(&form);
    auto* label4 = new TppLabelLike(&form);
    label1->SetName("Label1");
    label2->SetName("Label2");
    label4->SetName("Label4");
    auto* fresh = new TppLabelLike(&form);
    EXPECT_EQ(UniqueComponentName(&form, "Label", fresh), "Label3");
    delete label1;
    delete label4;
    EXPECT_EQ(UniqueComponentName(&form, "Label", fresh), "Label1");
    EXPECT_EQ(UniqueComponentName(nullptr, "Label", fresh), "Label");
    EXPECT_EQ(ClassNameWithoutT(*fresh), "ppLabel");
    EXPECT_EQ(ClassNameWithoutTpp(*fresh), "Label");
}

TEST(RelativeTest, PositionsMoveAndClamp) {
    OwnedComponent form;
    auto* parent = new TppRelative(&form);
    QList<TppRelative*> kids;
    for (int i = 0; i < 3; ++i) {
        kids << new TppRelative(&form);
        kids.last()->SetParent(parent);
    }
    kids[0]->SetPosition(99);
    EXPECT_EQ(parent->children(), QList<TppRelative*>({kids[1], kids[2], kids[0]}));
    EXPECT_EQ(kids[0]->Position(), 2);
    kids[0]->SetParent(nullptr);
    EXPECT_EQ(kids[0]->Position(), -1);
    delete parent;
    EXPECT_EQ(form.ComponentCount(), 1) << "the parent freed its two children";
}

TEST(RelativeTest, StoredPositionsAreRestoredAfterLoading) {
    OwnedComponent form;
    auto* parent = new TppRelative(&form);
    parent->SetOrderedChildren(true);
    parent->setState(OwnedComponent::Loading, true);
    QList<TppRelative*> kids;
    for (int stored : {2, -1, 0}) {
        auto* kid = new TppRelative(&form);
        kid->setState(OwnedComponent::Loading, true);
        kid->SetParent(parent);
        kid->SetPosition(stored);
        kids << kid;
    }
    for (TppRelative* kid : kids)
        kid->Loaded();
    parent->Loaded();
    EXPECT_EQ(parent->children(), QList<TppRelative*>({kids[2], kids[1], kids[0]}));
}

} // namespace
