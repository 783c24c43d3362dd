#pragma once
// Classes in this file: CTextRecorder, what a drawing recorded in an
// enhanced metafile wrote: each text with its place, clip, font weight and
// colour, the fonts created, and how many records put something on the page.

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

// A text drawn, where, the weight of the font it was drawn in and its colour.
struct TextCall {
    std::string sText;
    POINTL ptReference;
    RECTL rcClip;
    LONG nWeight;
    COLORREF crText;
};

// The texts of a recorded metafile with the font and colour selected for
// each, and the fonts created (faces as ANSI text).
class CTextRecorder {
public:
    explicit CTextRecorder(HENHMETAFILE hMetafile)
    {
        ::EnumEnhMetaFile(nullptr, hMetafile, Collect, this, nullptr);
    }
    const TextCall* Find(const std::string& sText) const
    {
        for (const TextCall& call : m_calls)
            if (call.sText == sText)
                return &call;
        return nullptr;
    }
    std::vector<TextCall> m_calls;
    std::vector<LONG> m_createdHeights;
    std::vector<std::string> m_createdFaces;
    // Records that put something on the page (not state, objects or moves).
    int m_nDrawings = 0;

private:
    static int CALLBACK Collect(HDC, HANDLETABLE*, const ENHMETARECORD* pRecord, int, LPARAM lParam)
    {
        reinterpret_cast<CTextRecorder*>(lParam)->Take(pRecord);
        return 1;
    }
    void Take(const ENHMETARECORD* pRecord)
    {
        const DWORD stateRecords[] = {EMR_HEADER, EMR_EOF, EMR_SAVEDC, EMR_RESTOREDC, EMR_SELECTOBJECT,
                                      EMR_EXTCREATEFONTINDIRECTW, EMR_CREATEPEN, EMR_CREATEBRUSHINDIRECT,
                                      EMR_DELETEOBJECT, EMR_SETBKMODE, EMR_SETTEXTCOLOR, EMR_SETBKCOLOR,
                                      EMR_MOVETOEX};
        if (std::find(std::begin(stateRecords), std::end(stateRecords), pRecord->iType) == std::end(stateRecords))
            ++m_nDrawings;
        if (pRecord->iType == EMR_EXTCREATEFONTINDIRECTW) {
            const auto* pFont = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(pRecord);
            m_weights.resize(std::max<size_t>(m_weights.size(), pFont->ihFont + 1));
            m_weights[pFont->ihFont] = pFont->elfw.elfLogFont.lfWeight;
            m_createdHeights.push_back(pFont->elfw.elfLogFont.lfHeight);
            std::string sFace;
            for (const WCHAR* p = pFont->elfw.elfLogFont.lfFaceName; *p; ++p)
                sFace += static_cast<char>(*p);
            m_createdFaces.push_back(sFace);
        } else if (pRecord->iType == EMR_SETTEXTCOLOR) {
            m_crText = reinterpret_cast<const EMRSETTEXTCOLOR*>(pRecord)->crColor;
        } else if (pRecord->iType == EMR_SAVEDC) {
            m_savedWeights.push_back(m_nSelectedWeight);
        } else if (pRecord->iType == EMR_RESTOREDC) {
            for (LONG i = reinterpret_cast<const EMRRESTOREDC*>(pRecord)->iRelative; i < 0; ++i) {
                if (m_savedWeights.empty())
                    break;
                m_nSelectedWeight = m_savedWeights.back();
                m_savedWeights.pop_back();
            }
        } else if (pRecord->iType == EMR_SELECTOBJECT) {
            DWORD ihObject = reinterpret_cast<const EMRSELECTOBJECT*>(pRecord)->ihObject;
            if (ihObject < m_weights.size() && m_weights[ihObject] != 0)
                m_nSelectedWeight = m_weights[ihObject];
        } else if (pRecord->iType == EMR_EXTTEXTOUTW) {
            const auto* pText = reinterpret_cast<const EMREXTTEXTOUTW*>(pRecord);
            const auto* pChars = reinterpret_cast<const WCHAR*>(reinterpret_cast<const BYTE*>(pRecord)
                                                                + pText->emrtext.offString);
            std::string sText;
            for (DWORD i = 0; i < pText->emrtext.nChars; ++i)
                sText += static_cast<char>(pChars[i]);
            m_calls.push_back({sText, pText->emrtext.ptlReference, pText->emrtext.rcl, m_nSelectedWeight, m_crText});
        }
    }
    std::vector<LONG> m_weights;
    std::vector<LONG> m_savedWeights;
    LONG m_nSelectedWeight = FW_NORMAL;
    COLORREF m_crText = 0;
};
