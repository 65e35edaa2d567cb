// The character automaton of the word index: a prefix tree over UTF-16 code
// units with one root per first unit, children in first-insertion order, and
// the ending symbol "+" leading to the final node of each form.
//
// Everything lives in flat arrays: nodes are indices into one node array,
// and the relations of a node sit side by side in one pool (symbols and
// targets in parallel arrays), so a lookup scans a short contiguous run and
// no node owns an allocation of its own. A node whose run is full moves it to
// the end of the pool with twice the room. A relation keeps its symbol next
// to its target, so a step of a walk touches the node and one run.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "LargeArrayAllocator.h"
#include "core/MyObject.h"
#include "dictformat/GmdLayout.h"
#include "dictformat/GmdWriter.h"

class CAutomaton : public CMyObject {
public:
    static constexpr uint32_t kNoNode = 0xFFFFFFFFu;

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

    std::span<const IndexRelation> GetRelations(uint32_t nNode) const {
        const Node& n = m_nodes[nNode];
        return {m_relations.data() + n.nRelBeg, n.nRelCount};
    }
    uint32_t GetRelCount(uint32_t nNode) const { return m_nodes[nNode].nRelCount; }

    // dwRelBegPos: bit 31 the final flag, bits 0-30 the list index of a final
    // node (or a file position).
    bool IsFinal(uint32_t nNode) const {
        return (m_nodes[nNode].dwRelBegPos & gmd::kFinalFlag) != 0;
    }
    void SetFinal(uint32_t nNode, bool bFinal);
    uint32_t GetRelBegPos(uint32_t nNode) const {
        return m_nodes[nNode].dwRelBegPos & gmd::kPosMask;
    }
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
        uint32_t dwRelBegPos = 0;
        uint32_t nRelBeg = 0;
        uint16_t nRelCount = 0;
        uint16_t nRelCapacity = 0;
    };

    uint32_t FindChild(uint32_t nNode, char16_t symbol) const {
        const Node& n = m_nodes[nNode];
        const IndexRelation* p = m_relations.data() + n.nRelBeg;
        for (uint32_t i = 0; i < n.nRelCount; ++i) {
            if (p[i].symbol == symbol) return p[i].nTarget;
        }
        return kNoNode;
    }
    void AppendChild(uint32_t nNode, char16_t symbol, uint32_t nTarget);

    std::vector<Node, CLargeArrayAllocator<Node>> m_nodes;
    std::vector<IndexRelation, CLargeArrayAllocator<IndexRelation>> m_relations;
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
