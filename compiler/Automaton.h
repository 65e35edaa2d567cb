// The character automaton of the word index: a prefix tree over UTF-16 code
// units with one root per first unit, children in first-insertion order, and
// the ending symbol "+" leading to the final node of each form.
//
// Everything lives in flat arrays, eight bytes a node: most nodes have one
// child, which the node holds itself (symbol and target); the children of a
// node with several sit side by side in one pool, six bytes each, so a
// lookup scans a short contiguous run and no node owns an allocation of its
// own. A run that is full moves to one of twice the room, and the run it
// leaves is taken again by the next node that needs one of its size. A
// final node has no children; its word holds its flag and list index.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "LargeArrayAllocator.h"
#include "core/MyObject.h"
#include "dictformat/GmdLayout.h"
#include "dictformat/GmdWriter.h"

class CAutomaton : public CMyObject {
public:
    static constexpr uint32_t kNoNode = 0xFFFFFFFFu;

    // The relations of one node, read in order (by value).
    class CRelations {
    public:
        class iterator {
        public:
            iterator(const CRelations& r, uint32_t i) : m_r(r), m_i(i) {}
            IndexRelation operator*() const { return m_r[m_i]; }
            iterator& operator++() {
                ++m_i;
                return *this;
            }
            bool operator!=(const iterator& o) const { return m_i != o.m_i; }

        private:
            const CRelations& m_r;
            uint32_t m_i;
        };
        CRelations(const CAutomaton& a, uint32_t nNode) : m_a(a), m_nNode(nNode) {}
        uint32_t size() const { return m_a.GetRelCount(m_nNode); }
        bool empty() const { return size() == 0; }
        IndexRelation operator[](uint32_t i) const { return m_a.GetRelation(m_nNode, i); }
        iterator begin() const { return {*this, 0}; }
        iterator end() const { return {*this, size()}; }

    private:
        const CAutomaton& m_a;
        uint32_t m_nNode;
    };

    CAutomaton() { Reset(); }

    // No nodes at all.
    void Reset();
    // Reset, then the 65,535 empty roots.
    void CreateRoots();

    uint32_t GetNodeCount() const { return static_cast<uint32_t>(m_nodes.size()); }
    // Room for about this many nodes, so that the arrays need not be moved
    // as they grow; room not used is never touched, so it costs no memory.
    void Reserve(uint32_t nNodes);

    // Walks form + "+" from the root of its first unit, adding the missing
    // nodes, and returns the end node in nEnd. Fails, with the error text
    // set and nothing added, when the new nodes would take the count past
    // what a relation can address. An empty form is refused.
    bool Insert(std::u16string_view form, uint32_t& nEnd);
    // The end node of form + "+", or kNoNode.
    uint32_t Find(std::u16string_view form) const;

    CRelations GetRelations(uint32_t nNode) const { return {*this, nNode}; }
    uint32_t GetRelCount(uint32_t nNode) const { return m_nodes[nNode].nRelCount; }
    // Relation i (< GetRelCount) of a node.
    IndexRelation GetRelation(uint32_t nNode, uint32_t i) const {
        const Node& n = m_nodes[nNode];
        if (n.nRelCount == 1) return {n.nRef, n.symbol};
        const PoolRelation& r = m_pool[n.nRef + i];
        return {r.Target(), r.symbol};
    }

    // dwRelBegPos: bit 31 the final flag, bits 0-30 the list index of a final
    // node (or a file position).
    bool IsFinal(uint32_t nNode) const { return (GetRelBegPosWord(nNode) & gmd::kFinalFlag) != 0; }
    void SetFinal(uint32_t nNode, bool bFinal);
    uint32_t GetRelBegPos(uint32_t nNode) const { return GetRelBegPosWord(nNode) & gmd::kPosMask; }
    void SetRelBegPos(uint32_t nNode, uint32_t dwPos);

    // Appends a relation (symbol 0, target 0) to a node; returns its index.
    uint32_t AddRelation(uint32_t nNode);
    void SetRelSymbol(uint32_t nNode, uint32_t nRel, char16_t symbol);
    void SetRelTarget(uint32_t nNode, uint32_t nRel, uint32_t nTarget);
    // A new empty node; its index.
    uint32_t AddNode();

    // The most nodes the automaton may have: what a relation can address,
    // or less for tests.
    void SetNodeLimit(uint32_t nLimit) { m_nNodeLimit = std::min(nLimit, gmd::kMaxNodeCount); }

    // Bytes held, for the statistics of a benchmark.
    size_t GetMemoryBytes() const;

private:
    struct Node {
        // No relations: dwRelBegPos. One: its target. Several: where their
        // run begins in the pool.
        uint32_t nRef = 0;
        uint16_t nRelCount = 0;
        char16_t symbol = 0;  // of the one relation
    };
    static_assert(sizeof(Node) == 8);
    struct PoolRelation {
        char16_t symbol;
        uint16_t nTargetLow;
        uint16_t nTargetHigh;
        uint32_t Target() const { return nTargetLow | (uint32_t{nTargetHigh} << 16); }
        void SetTarget(uint32_t n) {
            nTargetLow = static_cast<uint16_t>(n);
            nTargetHigh = static_cast<uint16_t>(n >> 16);
        }
    };
    static_assert(sizeof(PoolRelation) == 6);
    static constexpr int kSizeClasses = 17;  // runs of 2, 4, ... 65536 relations

    uint32_t GetRelBegPosWord(uint32_t nNode) const {
        const Node& n = m_nodes[nNode];
        if (n.nRelCount == 0) return n.nRef;
        const auto it = m_relBegPosOfParents.find(nNode);
        return it == m_relBegPosOfParents.end() ? 0 : it->second;
    }
    void SetRelBegPosWord(uint32_t nNode, uint32_t dw);

    uint32_t FindChild(uint32_t nNode, char16_t symbol) const {
        const Node& n = m_nodes[nNode];
        if (n.nRelCount == 1) return n.symbol == symbol ? n.nRef : kNoNode;
        if (n.nRelCount == 0) return kNoNode;
        const PoolRelation* p = m_pool.data() + n.nRef;
        for (uint32_t i = 0; i < n.nRelCount; ++i) {
            if (p[i].symbol == symbol) return p[i].Target();
        }
        return kNoNode;
    }
    void AppendChild(uint32_t nNode, char16_t symbol, uint32_t nTarget);
    // A run of 2^nClass relations: one left by another node, or new.
    uint32_t TakeRun(int nClass);
    void GiveBackRun(uint32_t nRun, int nClass);

    std::vector<Node, CLargeArrayAllocator<Node>> m_nodes;
    std::vector<PoolRelation, CLargeArrayAllocator<PoolRelation>> m_pool;
    // Per size class, the first run given back (its first relation's target
    // links to the next), or kNoNode.
    std::array<uint32_t, kSizeClasses> m_freeRuns;
    // dwRelBegPos of nodes that have relations and a flag or position too,
    // which only the node class's own edits make.
    std::unordered_map<uint32_t, uint32_t> m_relBegPosOfParents;
    uint32_t m_nNodeLimit = gmd::kMaxNodeCount;
};

// One node of the automaton as its own object: reads and changes the
// node's relations by index, with the checks and texts of the node class of
// the format. A handle only; the data stay in the automaton.
class CAutomNodeRel {
public:
    CAutomNodeRel(CAutomaton& automaton, uint32_t nNode) : m_autom(automaton), m_nNode(nNode) {}

    uint32_t GetIndex() const { return m_nNode; }
    int GetRelCount() const { return static_cast<int>(m_autom.GetRelCount(m_nNode)); }
    // Grows the relations by one at the end; the new index.
    int AddRel() { return static_cast<int>(m_autom.AddRelation(m_nNode)); }

    void SetRelSymb(int nIndex, char16_t symbol);
    void SetRelNode(int nIndex, uint32_t nTarget);
    char16_t GetRelSymb(int nIndex) const;
    uint32_t GetRelNode(int nIndex) const;

    // Keeps the final flag; a position of 2^31 or more throws.
    void SetRelationsBegPos(uint64_t dwPos);
    uint32_t GetRelationsBegPos() const { return m_autom.GetRelBegPos(m_nNode); }
    void SetFinal(bool bFinal) { m_autom.SetFinal(m_nNode, bFinal); }
    bool IsFinal() const { return m_autom.IsFinal(m_nNode); }

private:
    void CheckIndex(int nIndex, std::u16string_view where) const;

    CAutomaton& m_autom;
    uint32_t m_nNode;
};

// The message of a source whose index would need more nodes than a
// relation can address.
inline constexpr char16_t kTooManyNodesText[] =
    u"The word index of this source needs more than 16,777,216 automaton nodes, more than a "
    u"compiled dictionary can address; split the source into smaller files";
