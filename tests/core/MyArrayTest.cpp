#include "core/MyArray.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ThrownText.h"

namespace {

const std::u16string kGetAtFailure =
    u"CRetElemClass CMyArray<CElemClass, CRetElemClass>::GetAt(int):\r\nInvalid array index";

TEST(MyArray, BadIndexFailsWithSignatureAndLeavesArrayUnchanged) {
    CMyArray<int> a;
    a.Add(7);
    EXPECT_EQ(ThrownText([&] { (void)a.GetAt(-1); }), kGetAtFailure);
    EXPECT_EQ(ThrownText([&] { (void)a.GetAt(1); }), kGetAtFailure);
    EXPECT_EQ(a.GetError(), kGetAtFailure);
    ASSERT_EQ(a.GetSize(), 1);
    EXPECT_EQ(a.GetAt(0), 7);

    EXPECT_EQ(ThrownText([&] { a.SetAt(1, 0); }),
              u"void CMyArray<CElemClass, CRetElemClass>::SetAt(int, CElemClass):\r\n"
              u"Invalid array index");
    EXPECT_EQ(ThrownText([&] { a.ElementAt(5); }),
              u"CRetElemClass& CMyArray<CElemClass, CRetElemClass>::ElementAt(int):\r\n"
              u"Invalid array index");
    EXPECT_EQ(ThrownText([&] { a.RemoveAt(-3); }),
              u"void CMyArray<CElemClass, CRetElemClass>::RemoveAt(int):\r\nInvalid array index");
}

TEST(MyArray, InsertAtAcceptsOnlyExistingPositions) {
    CMyArray<int> a;
    const std::u16string failure =
        u"void CMyArray<CElemClass, CRetElemClass>::InsertAt(int, CElemClass):\r\n"
        u"Invalid array index";
    EXPECT_EQ(ThrownText([&] { a.InsertAt(0, 1); }), failure);
    a.Add(1);
    a.Add(3);
    EXPECT_EQ(ThrownText([&] { a.InsertAt(2, 9); }), failure);
    a.InsertAt(1, 2);
    a.InsertAt(0, 0);
    EXPECT_EQ(std::vector<int>(a.begin(), a.end()), (std::vector<int>{0, 1, 2, 3}));
}

TEST(MyArray, SwapChecksBothIndicesBeforeChanging) {
    CMyArray<std::u16string, const std::u16string&> a;
    a.Add(u"x");
    a.Add(u"y");
    a.Swap(0, 0);
    EXPECT_EQ(a.GetAt(0), u"x");
    EXPECT_EQ(ThrownText([&] { a.Swap(0, 2); }),
              u"void CMyArray<CElemClass, CRetElemClass>::Swap(int nPos1, int nPos2):\r\n"
              u"Invalid array index");
    EXPECT_EQ(a.GetAt(0), u"x");
    a.Swap(0, 1);
    EXPECT_EQ(a.GetAt(0), u"y");
    EXPECT_EQ(a.GetAt(1), u"x");
}

TEST(MyArray, GrowthFollowsTheAutomaticStep) {
    CMyArray<int> a;
    std::vector<int> capacities;
    for (int i = 0; i < 200; ++i) {
        a.Add(i);
        if (capacities.empty() || capacities.back() != a.GetCapacity())
            capacities.push_back(a.GetCapacity());
    }
    // 1, then +4 while size/8 < 4, then +size/8.
    std::vector<int> expected{1, 5, 9, 13, 17, 21, 25, 29, 33};
    int cap = 33;
    while (cap < 200) {
        cap += std::max(cap / 8, 4);
        expected.push_back(cap);
    }
    EXPECT_EQ(capacities, expected);
    for (int i = 0; i < 200; ++i)
        ASSERT_EQ(a.GetAt(i), i);
}

TEST(MyArray, GrowthStepIsCappedAt1024) {
    CMyArray<int> a;
    for (int i = 0; i < 20000; ++i)
        a.Add(i);
    int before = a.GetCapacity();
    while (a.GetSize() < before)
        a.Add(0);
    a.Add(0);
    EXPECT_EQ(a.GetCapacity(), before + 1024);
}

TEST(MyArray, CopyAndAppend) {
    CMyArray<int> a, b;
    a.Add(1);
    a.Add(2);
    b.Add(9);
    b.Copy(a);
    b.Append(b);
    EXPECT_EQ(std::vector<int>(b.begin(), b.end()), (std::vector<int>{1, 2, 1, 2}));
    b.RemoveAll();
    EXPECT_EQ(b.GetSize(), 0);
    EXPECT_EQ(b.GetCapacity(), 0);
}

// Adding one of the array's own elements when the storage must grow: the
// element is copied before the old storage goes.
TEST(MyArray, AddingAnOwnElementSurvivesTheGrowth) {
    using Strings = CMyArray<std::u16string, const std::u16string&>;
    const std::u16string kLong(40, u'x');  // longer than any in-place string
    for (const bool bAppend : {false, true}) {
        SCOPED_TRACE(bAppend ? "Append(self)" : "Add(GetAt(0))");
        Strings a;
        a.Add(kLong);
        ASSERT_EQ(a.GetSize(), a.GetCapacity());
        if (bAppend)
            a.Append(a);
        else
            a.Add(a.GetAt(0));
        EXPECT_EQ(std::vector<std::u16string>(a.begin(), a.end()),
                  (std::vector<std::u16string>{kLong, kLong}));
    }
}

struct Counted {
    explicit Counted(int* p) : pDeleted(p) {}
    ~Counted() { ++*pDeleted; }
    int* pDeleted;
};

TEST(MyPtrArrayWithDestrElem, DeletesExactlyWhatItDrops) {
    int deleted = 0;
    {
        CMyPtrArrayWithDestrElem<Counted*> a;
        for (int i = 0; i < 4; ++i)
            a.Add(new Counted(&deleted));
        a.RemoveAt(1);
        EXPECT_EQ(deleted, 1);
        a.SetAt(0, new Counted(&deleted));
        EXPECT_EQ(deleted, 2);
        EXPECT_EQ(ThrownText([&] { a.RemoveAt(3); }),
                  u"void CMyPtrArrayWithDestrElem<CElemClass, CRetElemClass>::RemoveAt(int):\r\n"
                  u"Invalid array index");
        EXPECT_EQ(a.GetSize(), 3);
    }
    EXPECT_EQ(deleted, 5);
}

}  // namespace
