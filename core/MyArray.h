// Bounds-checked growable arrays. A bad index records its message in the
// array's error text and throws CMyObjectThrow instead of touching storage.
#pragma once

#include <algorithm>
#include <cstdint>
#include <new>
#include <string>
#include <utility>

#include "MyObject.h"

template <class CElemClass, class CRetElemClass = CElemClass>
class CMyArray : public CMyObject {
public:
    CMyArray() = default;
    explicit CMyArray(int32_t nGrowBy) : m_nGrowBy(nGrowBy) {}
    CMyArray(const CMyArray&) = delete;
    CMyArray& operator=(const CMyArray&) = delete;
    ~CMyArray() override { FreeStorage(); }

    virtual void Add(CRetElemClass elem) {
        if (m_nSize < m_nCapacity) {
            new (m_pData + m_nSize) CElemClass(elem);
        } else {
            CElemClass copy(elem);  // elem may refer into the storage Reserve frees
            Reserve(m_nSize + 1);
            new (m_pData + m_nSize) CElemClass(std::move(copy));
        }
        ++m_nSize;
    }

    virtual void SetAt(int nIndex, CRetElemClass elem) {
        CheckIndex(nIndex, u"void CMyArray<CElemClass, CRetElemClass>::SetAt(int, CElemClass)");
        m_pData[nIndex] = elem;
    }

    virtual void InsertAt(int nIndex, CRetElemClass elem) {
        CheckIndex(nIndex, u"void CMyArray<CElemClass, CRetElemClass>::InsertAt(int, CElemClass)");
        CElemClass copy(elem);  // elem may refer into our own storage
        Reserve(m_nSize + 1);
        new (m_pData + m_nSize) CElemClass(std::move(m_pData[m_nSize - 1]));
        for (int i = m_nSize - 1; i > nIndex; --i)
            m_pData[i] = std::move(m_pData[i - 1]);
        m_pData[nIndex] = std::move(copy);
        ++m_nSize;
    }

    virtual CRetElemClass GetAt(int nIndex) const {
        CheckIndex(nIndex, u"CRetElemClass CMyArray<CElemClass, CRetElemClass>::GetAt(int)");
        return m_pData[nIndex];
    }

    virtual CElemClass& ElementAt(int nIndex) {
        CheckIndex(nIndex, u"CRetElemClass& CMyArray<CElemClass, CRetElemClass>::ElementAt(int)");
        return m_pData[nIndex];
    }

    virtual int GetSize() const { return m_nSize; }

    virtual void RemoveAt(int nIndex) {
        CheckIndex(nIndex, u"void CMyArray<CElemClass, CRetElemClass>::RemoveAt(int)");
        for (int i = nIndex; i < m_nSize - 1; ++i)
            m_pData[i] = std::move(m_pData[i + 1]);
        --m_nSize;
        m_pData[m_nSize].~CElemClass();
    }

    virtual void RemoveAll() { FreeStorage(); }

    virtual void Copy(const CMyArray& other) {
        if (&other == this) return;
        RemoveAll();
        Append(other);
    }

    virtual void Append(const CMyArray& other) {
        const int nCount = other.GetSize();  // fixed before a self-append grows us
        for (int i = 0; i < nCount; ++i)
            Add(other.GetAt(i));
    }

    virtual void Swap(int nPos1, int nPos2) {
        static constexpr char16_t kSig[] =
            u"void CMyArray<CElemClass, CRetElemClass>::Swap(int nPos1, int nPos2)";
        CheckIndex(nPos1, kSig);
        CheckIndex(nPos2, kSig);
        if (nPos1 == nPos2) return;
        CElemClass second(GetAt(nPos2));
        m_pData[nPos2] = std::move(m_pData[nPos1]);
        m_pData[nPos1] = std::move(second);
    }

    // Not virtual helpers.
    int GetCapacity() const { return m_nCapacity; }
    const CElemClass* GetData() const { return m_pData; }
    CElemClass* GetData() { return m_pData; }
    const CElemClass& operator[](int nIndex) const { return m_pData[nIndex]; }  // unchecked
    CElemClass& operator[](int nIndex) { return m_pData[nIndex]; }              // unchecked
    const CElemClass* begin() const { return m_pData; }
    const CElemClass* end() const { return m_pData + m_nSize; }
    CElemClass* begin() { return m_pData; }
    CElemClass* end() { return m_pData + m_nSize; }

protected:
    void CheckIndex(int nIndex, const char16_t* pszSignature) const {
        if (nIndex < 0 || nIndex >= m_nSize) {
            std::u16string text = WrapMessage(pszSignature, u"Invalid array index");
            const_cast<CMyArray*>(this)->SetError(text);
            throw CMyObjectThrow(std::move(text));
        }
    }

    // Makes room for nNewSize elements following the growth rule: an array
    // without storage gets exactly nNewSize; otherwise capacity grows by the
    // step (automatic: size / 8 kept within 4..1024), at least to nNewSize.
    void Reserve(int nNewSize) {
        if (nNewSize <= m_nCapacity) return;
        int nNewCapacity = nNewSize;
        if (m_pData != nullptr) {
            int nStep = m_nGrowBy;
            if (nStep == 0) nStep = std::clamp(m_nSize / 8, 4, 1024);
            nNewCapacity = std::max(m_nCapacity + nStep, nNewSize);
        }
        auto* pNew = static_cast<CElemClass*>(
            ::operator new(sizeof(CElemClass) * static_cast<size_t>(nNewCapacity)));
        for (int i = 0; i < m_nSize; ++i) {
            new (pNew + i) CElemClass(std::move(m_pData[i]));
            m_pData[i].~CElemClass();
        }
        ::operator delete(m_pData);
        m_pData = pNew;
        m_nCapacity = nNewCapacity;
    }

    void FreeStorage() {
        for (int i = 0; i < m_nSize; ++i)
            m_pData[i].~CElemClass();
        ::operator delete(m_pData);
        m_pData = nullptr;
        m_nSize = 0;
        m_nCapacity = 0;
    }

    CElemClass* m_pData = nullptr;
    int32_t m_nSize = 0;
    int32_t m_nCapacity = 0;
    int32_t m_nGrowBy = 0;
};

// Owns the objects its pointers point to: deletes them when they are
// replaced, removed, or when the array is emptied or destroyed.
template <class CElemClass, class CRetElemClass = CElemClass>
class CMyPtrArrayWithDestrElem : public CMyArray<CElemClass, CRetElemClass> {
    using Base = CMyArray<CElemClass, CRetElemClass>;

public:
    CMyPtrArrayWithDestrElem() = default;
    ~CMyPtrArrayWithDestrElem() override { DeleteElements(); }

    void SetAt(int nIndex, CRetElemClass elem) override {
        this->CheckIndex(
            nIndex,
            u"void CMyPtrArrayWithDestrElem<CElemClass, CRetElemClass>::SetAt(int, CElemClass)");
        delete this->m_pData[nIndex];
        this->m_pData[nIndex] = elem;
    }

    void RemoveAt(int nIndex) override {
        this->CheckIndex(
            nIndex, u"void CMyPtrArrayWithDestrElem<CElemClass, CRetElemClass>::RemoveAt(int)");
        delete this->m_pData[nIndex];
        Base::RemoveAt(nIndex);
    }

    void RemoveAll() override {
        DeleteElements();
        Base::RemoveAll();
    }

private:
    void DeleteElements() {
        for (int i = 0; i < this->m_nSize; ++i) {
            delete this->m_pData[i];
            this->m_pData[i] = nullptr;
        }
    }
};
