// The automaton's shape: roots, first-insertion order, the ending symbol,
// and the node class's checks.
#include <gtest/gtest.h>

#include "compiler/Automaton.h"
#include "support/ThrownText.h"

namespace {

uint32_t Insert(CAutomaton& a, std::u16string_view form) {
    uint32_t nEnd = CAutomaton::kNoNode;
    EXPECT_TRUE(a.Insert(form, nEnd));
    return nEnd;
}

std::u16string Symbols(const CAutomaton& a, uint32_t nNode) {
    std::u16string s;
    for (const IndexRelation& r : a.GetRelations(nNode))
        s += r.symbol;
    return s;
}

}  // namespace

TEST(Automaton, RootsComeFirstAndNewNodesFollowInInsertionOrder) {
    CAutomaton a;
    a.CreateRoots();
    EXPECT_EQ(a.GetNodeCount(), 65535u);
    // 'AB' then 'ABC': root A, B, then "+" before C at that node.
    const uint32_t nAB = Insert(a, u"AB");
    EXPECT_EQ(a.GetNodeCount(), 65535u + 2);
    EXPECT_EQ(Symbols(a, u'A'), u"B");
    const uint32_t nB = a.GetRelations(u'A')[0].nTarget;
    EXPECT_EQ(nB, 65535u);
    EXPECT_EQ(nAB, 65536u);
    Insert(a, u"ABC");
    EXPECT_EQ(Symbols(a, nB), u"+C");
    EXPECT_EQ(a.Find(u"AB"), nAB);
    EXPECT_EQ(a.Find(u"ABC"), 65538u);
    EXPECT_EQ(a.Find(u"A"), CAutomaton::kNoNode);
    EXPECT_EQ(a.GetRelCount(nAB), 0u);
}

TEST(Automaton, OneUnitFormAndSiblingOrder) {
    CAutomaton a;
    a.CreateRoots();
    const uint32_t nA = Insert(a, u"A");
    EXPECT_EQ(Symbols(a, u'A'), u"+");
    EXPECT_EQ(a.GetRelations(u'A')[0].nTarget, nA);
    Insert(a, u"AC");
    Insert(a, u"AB");
    EXPECT_EQ(Symbols(a, u'A'), u"+CB");
    // Inserting again adds nothing.
    const uint32_t nCount = a.GetNodeCount();
    EXPECT_EQ(Insert(a, u"AB"), a.Find(u"AB"));
    EXPECT_EQ(a.GetNodeCount(), nCount);
}

TEST(Automaton, ManyChildrenKeepTheirOrderWhenTheirRunMoves) {
    CAutomaton a;
    a.CreateRoots();
    std::u16string expected;
    for (char16_t c = 0x400; c < 0x400 + 300; ++c) {
        Insert(a, std::u16string{u'X', c});
        Insert(a, std::u16string{u'Y', c, c});  // interleaved growth of another node
        expected += c;
    }
    EXPECT_EQ(Symbols(a, u'X'), expected);
    for (char16_t c = 0x400; c < 0x400 + 300; ++c) {
        ASSERT_NE(a.Find(std::u16string{u'X', c}), CAutomaton::kNoNode);
        ASSERT_NE(a.Find(std::u16string{u'Y', c, c}), CAutomaton::kNoNode);
    }
}

TEST(Automaton, RefusesFormsItCannotHold) {
    CAutomaton a;
    uint32_t nEnd = 0;
    EXPECT_FALSE(a.Insert(u"A", nEnd));  // no roots yet
    a.CreateRoots();
    EXPECT_FALSE(a.Insert(u"", nEnd));
    EXPECT_FALSE(
        a.Insert(u"\xFFFF"
                 u"A",
                 nEnd));
}

TEST(Automaton, NodeClassChecksIndicesWithItsOwnTexts) {
    CAutomaton a;
    a.CreateRoots();
    Insert(a, u"AB");
    CAutomNodeRel node(a, u'A');
    ASSERT_EQ(node.GetRelCount(), 1);
    EXPECT_EQ(node.GetRelSymb(0), u'B');
    struct Case {
        std::function<void()> call;
        std::u16string text;
    };
    const Case cases[] = {
        {[&] { node.GetRelSymb(1); }, u"Error in CAutomNodeRel::GetRelSymb\nInvalid array index"},
        {[&] { node.GetRelNode(-1); }, u"Error in CAutomNodeRel::GetRelNode\nInvalid array index"},
        {[&] { node.SetRelSymb(1, u'x'); },
         u"Error in CAutomNodeRel::SetRelSymb\nInvalid array index"},
        {[&] { node.SetRelNode(5, 1); },
         u"Error in CAutomNodeRel::SetRelNode\nInvalid array index"},
        {[&] { node.SetRelationsBegPos(uint64_t{1} << 31); },
         u"Error in CAutomNodeRel::SetRelationsBegPos\ndwRelBegPos too much"},
        {[&] { node.SetRelNode(0, 0x1000000); },
         u"Error in CAutomNodeRel::SetRelNode\nNode index too much"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ThrownText(c.call), c.text);
    // The node class's own edits: grow by one, then set symbol and target.
    const int nRel = node.AddRel();
    node.SetRelSymb(nRel, u'Q');
    node.SetRelNode(nRel, 0xFFFFFF);
    EXPECT_EQ(node.GetRelSymb(nRel), u'Q');
    EXPECT_EQ(node.GetRelNode(nRel), 0xFFFFFFu);
    node.SetFinal(true);
    node.SetRelationsBegPos(0x7FFFFFFF);
    EXPECT_TRUE(node.IsFinal());
    EXPECT_EQ(node.GetRelationsBegPos(), 0x7FFFFFFFu);
    // Flag and position stay apart from the relations, whichever comes first.
    CAutomNodeRel leaf(a, u'Z');
    leaf.SetFinal(true);
    leaf.SetRelationsBegPos(12345);
    for (int i = 0; i < 3; ++i) {
        leaf.SetRelSymb(leaf.AddRel(), static_cast<char16_t>(u'a' + i));
        EXPECT_TRUE(leaf.IsFinal());
        EXPECT_EQ(leaf.GetRelationsBegPos(), 12345u);
    }
    EXPECT_EQ(Symbols(a, u'Z'), u"abc");
    leaf.SetFinal(false);
    EXPECT_FALSE(leaf.IsFinal());
    EXPECT_EQ(leaf.GetRelationsBegPos(), 12345u);
}
