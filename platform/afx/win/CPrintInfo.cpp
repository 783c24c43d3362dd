#include "CPrintInfo.h"

#include "CPrintDialog.h"

CPrintInfo::CPrintInfo()
    : m_pDialog(std::make_unique<CPrintDialog>(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOSELECTION))
{
    m_pPD = m_pDialog.get();
    SetMinPage(1);
    SetMaxPage(0xFFFF);
}

CPrintInfo::~CPrintInfo() = default;

void CPrintInfo::SetMinPage(UINT nMinPage) { m_pPD->m_pd.nMinPage = static_cast<WORD>(nMinPage); }
void CPrintInfo::SetMaxPage(UINT nMaxPage) { m_pPD->m_pd.nMaxPage = static_cast<WORD>(nMaxPage); }
UINT CPrintInfo::GetMinPage() const { return m_pPD->m_pd.nMinPage; }
UINT CPrintInfo::GetMaxPage() const { return m_pPD->m_pd.nMaxPage; }

UINT CPrintInfo::GetFromPage() const
{
    return m_pPD->PrintRange() ? m_pPD->m_pd.nFromPage : GetMinPage();
}

UINT CPrintInfo::GetToPage() const
{
    return m_pPD->PrintRange() ? m_pPD->m_pd.nToPage : GetMaxPage();
}
