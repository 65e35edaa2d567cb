#include "Automaton.h"

#include <algorithm>

using gmd::kEndSymbol;
using gmd::kFinalFlag;
using gmd::kPosMask;

void CAutomaton::Reset() {
    m_nodes.clear();
    m_relations.clear();
    m_nodes.shrink_to_fit();
    m_relations.shrink_to_fit();
}

void CAutomaton::CreateRoots() {
    Reset();
    m_nodes.resize(gmd::kRootCount);
}

void CAutomaton::Reserve(uint32_t nNodes) {
    nNodes = std::min(nNodes, m_nNodeLimit);
    m_nodes.reserve(nNodes);
    // Every node but a root is the target of one relation; runs that grow
    // leave some slack behind.
    m_relations.reserve(nNodes + nNodes / 2);
}

uint32_t CAutomaton::AddNode() {
    if (m_nodes.size() >= m_nNodeLimit) ThrowError(kTooManyNodesText);
    m_nodes.emplace_back();
    return static_cast<uint32_t>(m_nodes.size() - 1);
}

void CAutomaton::SetFinal(uint32_t nNode, bool bFinal) {
    uint32_t& dw = m_nodes[nNode].dwRelBegPos;
    dw = bFinal ? (dw | kFinalFlag) : (dw & kPosMask);
}

void CAutomaton::SetRelBegPos(uint32_t nNode, uint32_t dwPos) {
    uint32_t& dw = m_nodes[nNode].dwRelBegPos;
    dw = (dw & kFinalFlag) | (dwPos & kPosMask);
}

uint32_t CAutomaton::AddRelation(uint32_t nNode) {
    AppendChild(nNode, 0, 0);
    return m_nodes[nNode].nRelCount - 1u;
}

void CAutomaton::SetRelSymbol(uint32_t nNode, uint32_t nRel, char16_t symbol) {
    m_relations[m_nodes[nNode].nRelBeg + nRel].symbol = symbol;
}

void CAutomaton::SetRelTarget(uint32_t nNode, uint32_t nRel, uint32_t nTarget) {
    m_relations[m_nodes[nNode].nRelBeg + nRel].nTarget = nTarget;
}

void CAutomaton::AppendChild(uint32_t nNode, char16_t symbol, uint32_t nTarget) {
    Node& n = m_nodes[nNode];
    if (n.nRelCount == UINT16_MAX) {
        // A node has at most one child per distinct unit that can follow it,
        // and no form holds every unit; this is a broken invariant.
        ThrowError(InternalError(u"CAutomaton::AppendChild", u"Too many relations"));
    }
    if (n.nRelCount == n.nRelCapacity) {
        uint32_t nNewCap =
            n.nRelCapacity == 0 ? 1u : std::min<uint32_t>(2u * n.nRelCapacity, UINT16_MAX);
        uint32_t nNewBeg = static_cast<uint32_t>(m_relations.size());
        m_relations.resize(m_relations.size() + nNewCap);
        std::copy_n(m_relations.begin() + n.nRelBeg, n.nRelCount, m_relations.begin() + nNewBeg);
        n.nRelBeg = nNewBeg;
        n.nRelCapacity = static_cast<uint16_t>(nNewCap);
    }
    m_relations[n.nRelBeg + n.nRelCount] = {nTarget, symbol};
    ++n.nRelCount;
}

bool CAutomaton::Insert(std::u16string_view form, uint32_t& nEnd) {
    nEnd = kNoNode;
    if (form.empty() || form[0] >= gmd::kRootCount || m_nodes.size() < gmd::kRootCount) {
        SetError(InternalError(u"CAutomaton::Insert", u"Form cannot be inserted"));
        return false;
    }
    // Walk the part of the path that exists; only then can the number of new
    // nodes be told and checked before anything changes.
    uint32_t nNode = form[0];
    size_t k = 1;
    const size_t nLen = form.size() + 1;  // the ending symbol counts
    for (; k < nLen; ++k) {
        char16_t u = k < form.size() ? form[k] : kEndSymbol;
        uint32_t nNext = FindChild(nNode, u);
        if (nNext == kNoNode) break;
        nNode = nNext;
    }
    if (m_nodes.size() + (nLen - k) > m_nNodeLimit) {
        SetError(kTooManyNodesText);
        return false;
    }
    for (; k < nLen; ++k) {
        char16_t u = k < form.size() ? form[k] : kEndSymbol;
        uint32_t nNew = static_cast<uint32_t>(m_nodes.size());
        m_nodes.emplace_back();
        AppendChild(nNode, u, nNew);
        nNode = nNew;
    }
    nEnd = nNode;
    return true;
}

uint32_t CAutomaton::Find(std::u16string_view form) const {
    if (form.empty() || form[0] >= m_nodes.size()) return kNoNode;
    uint32_t nNode = form[0];
    for (size_t k = 1; k <= form.size() && nNode != kNoNode; ++k) {
        nNode = FindChild(nNode, k < form.size() ? form[k] : kEndSymbol);
    }
    return nNode;
}

size_t CAutomaton::GetMemoryBytes() const {
    return m_nodes.capacity() * sizeof(Node) + m_relations.capacity() * sizeof(IndexRelation);
}

// ---- CAutomNodeRel ----

void CAutomNodeRel::CheckIndex(int nIndex, std::u16string_view where) const {
    if (nIndex < 0 || nIndex >= GetRelCount()) {
        throw CMyObjectThrow(InternalError(where, u"Invalid array index"));
    }
}

void CAutomNodeRel::SetRelSymb(int nIndex, char16_t symbol) {
    CheckIndex(nIndex, u"CAutomNodeRel::SetRelSymb");
    m_autom.SetRelSymbol(m_nNode, static_cast<uint32_t>(nIndex), symbol);
}

void CAutomNodeRel::SetRelNode(int nIndex, uint32_t nTarget) {
    CheckIndex(nIndex, u"CAutomNodeRel::SetRelNode");
    // The format keeps 24 bits of a target; a larger one would silently point
    // elsewhere.
    if (nTarget > gmd::kMaxNodeIndex) {
        throw CMyObjectThrow(InternalError(u"CAutomNodeRel::SetRelNode", u"Node index too much"));
    }
    m_autom.SetRelTarget(m_nNode, static_cast<uint32_t>(nIndex), nTarget);
}

char16_t CAutomNodeRel::GetRelSymb(int nIndex) const {
    CheckIndex(nIndex, u"CAutomNodeRel::GetRelSymb");
    return m_autom.GetRelations(m_nNode)[static_cast<size_t>(nIndex)].symbol;
}

uint32_t CAutomNodeRel::GetRelNode(int nIndex) const {
    CheckIndex(nIndex, u"CAutomNodeRel::GetRelNode");
    return m_autom.GetRelations(m_nNode)[static_cast<size_t>(nIndex)].nTarget;
}

void CAutomNodeRel::SetRelationsBegPos(uint64_t dwPos) {
    if (dwPos > kPosMask) {
        throw CMyObjectThrow(
            InternalError(u"CAutomNodeRel::SetRelationsBegPos", u"dwRelBegPos too much"));
    }
    m_autom.SetRelBegPos(m_nNode, static_cast<uint32_t>(dwPos));
}
