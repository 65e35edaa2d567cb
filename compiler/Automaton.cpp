#include "Automaton.h"

#include <algorithm>
#include <bit>

using gmd::kEndSymbol;
using gmd::kFinalFlag;
using gmd::kPosMask;

void CAutomaton::Reset() {
    m_nodes.clear();
    m_pool.clear();
    m_nodes.shrink_to_fit();
    m_pool.shrink_to_fit();
    m_freeRuns.fill(kNoNode);
    m_relBegPosOfParents.clear();
}

void CAutomaton::CreateRoots() {
    Reset();
    m_nodes.resize(gmd::kRootCount);
}

void CAutomaton::Reserve(uint32_t nNodes) {
    nNodes = std::min(nNodes, m_nNodeLimit);
    m_nodes.reserve(nNodes);
    // About one node in four has several children; their runs keep some
    // room to grow.
    m_pool.reserve(nNodes / 2);
}

uint32_t CAutomaton::AddNode() {
    if (m_nodes.size() >= m_nNodeLimit) ThrowError(kTooManyNodesText);
    m_nodes.emplace_back();
    return static_cast<uint32_t>(m_nodes.size() - 1);
}

void CAutomaton::SetRelBegPosWord(uint32_t nNode, uint32_t dw) {
    if (m_nodes[nNode].nRelCount == 0) {
        m_nodes[nNode].nRef = dw;
    } else if (dw != 0) {
        m_relBegPosOfParents[nNode] = dw;
    } else {
        m_relBegPosOfParents.erase(nNode);
    }
}

void CAutomaton::SetFinal(uint32_t nNode, bool bFinal) {
    const uint32_t dw = GetRelBegPosWord(nNode);
    SetRelBegPosWord(nNode, bFinal ? (dw | kFinalFlag) : (dw & kPosMask));
}

void CAutomaton::SetRelBegPos(uint32_t nNode, uint32_t dwPos) {
    SetRelBegPosWord(nNode, (GetRelBegPosWord(nNode) & kFinalFlag) | (dwPos & kPosMask));
}

uint32_t CAutomaton::AddRelation(uint32_t nNode) {
    AppendChild(nNode, 0, 0);
    return m_nodes[nNode].nRelCount - 1u;
}

void CAutomaton::SetRelSymbol(uint32_t nNode, uint32_t nRel, char16_t symbol) {
    Node& n = m_nodes[nNode];
    if (n.nRelCount == 1) {
        n.symbol = symbol;
    } else {
        m_pool[n.nRef + nRel].symbol = symbol;
    }
}

void CAutomaton::SetRelTarget(uint32_t nNode, uint32_t nRel, uint32_t nTarget) {
    Node& n = m_nodes[nNode];
    if (n.nRelCount == 1) {
        n.nRef = nTarget;
    } else {
        m_pool[n.nRef + nRel].SetTarget(nTarget);
    }
}

uint32_t CAutomaton::TakeRun(int nClass) {
    uint32_t nRun = m_freeRuns[nClass];
    if (nRun != kNoNode) {
        m_freeRuns[nClass] = m_pool[nRun].Target();
        return nRun;
    }
    nRun = static_cast<uint32_t>(m_pool.size());
    m_pool.resize(m_pool.size() + (size_t{1} << nClass));
    return nRun;
}

void CAutomaton::GiveBackRun(uint32_t nRun, int nClass) {
    m_pool[nRun].SetTarget(m_freeRuns[nClass]);
    m_freeRuns[nClass] = nRun;
}

void CAutomaton::AppendChild(uint32_t nNode, char16_t symbol, uint32_t nTarget) {
    Node& n = m_nodes[nNode];
    switch (n.nRelCount) {
        case 0: {
            // The word held dwRelBegPos; it moves aside for the relation.
            if (n.nRef != 0) m_relBegPosOfParents[nNode] = n.nRef;
            n = {nTarget, 1, symbol};
            return;
        }
        case 1: {
            const uint32_t nRun = TakeRun(1);
            Node& m = m_nodes[nNode];
            m_pool[nRun] = {m.symbol, 0, 0};
            m_pool[nRun].SetTarget(m.nRef);
            m_pool[nRun + 1] = {symbol, 0, 0};
            m_pool[nRun + 1].SetTarget(nTarget);
            m = {nRun, 2, 0};
            return;
        }
        case UINT16_MAX:
            // A node has at most one child per distinct unit that can follow it,
            // and no form holds every unit; this is a broken invariant.
            ThrowError(InternalError(u"CAutomaton::AppendChild", u"Too many relations"));
        default:
            break;
    }
    const uint32_t nCount = n.nRelCount;
    if (std::has_single_bit(nCount)) {
        // The run is full: one of twice the room, and the old one is free.
        const int nClass = std::countr_zero(nCount);
        const uint32_t nOld = n.nRef;
        const uint32_t nRun = TakeRun(nClass + 1);
        std::copy_n(m_pool.begin() + nOld, nCount, m_pool.begin() + nRun);
        GiveBackRun(nOld, nClass);
        m_nodes[nNode].nRef = nRun;
    }
    Node& m = m_nodes[nNode];
    m_pool[m.nRef + nCount] = {symbol, 0, 0};
    m_pool[m.nRef + nCount].SetTarget(nTarget);
    ++m.nRelCount;
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
    return m_nodes.capacity() * sizeof(Node) + m_pool.capacity() * sizeof(PoolRelation);
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
    return m_autom.GetRelation(m_nNode, static_cast<uint32_t>(nIndex)).symbol;
}

uint32_t CAutomNodeRel::GetRelNode(int nIndex) const {
    CheckIndex(nIndex, u"CAutomNodeRel::GetRelNode");
    return m_autom.GetRelation(m_nNode, static_cast<uint32_t>(nIndex)).nTarget;
}

void CAutomNodeRel::SetRelationsBegPos(uint64_t dwPos) {
    if (dwPos > kPosMask) {
        throw CMyObjectThrow(
            InternalError(u"CAutomNodeRel::SetRelationsBegPos", u"dwRelBegPos too much"));
    }
    m_autom.SetRelBegPos(m_nNode, static_cast<uint32_t>(dwPos));
}
