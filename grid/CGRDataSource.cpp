#include "CGRDataSource.h"

namespace {
const int kNotImplemented = -1;
}

int CGRDataSource::GetLastRow() { return kNotImplemented; }
int CGRDataSource::InsertRow(int) { return kNotImplemented; }
int CGRDataSource::AppendCol() { return kNotImplemented; }
int CGRDataSource::InsertCol(int) { return kNotImplemented; }
int CGRDataSource::DeleteRow(int) { return kNotImplemented; }
int CGRDataSource::DeleteCol(int) { return kNotImplemented; }
int CGRDataSource::DeleteCell(int, int) { return kNotImplemented; }
int CGRDataSource::Empty() { return kNotImplemented; }
int CGRDataSource::GetCell(int, int, CGRCell*) { return kNotImplemented; }
int CGRDataSource::SetCell(int, int, CGRCell*) { return kNotImplemented; }
int CGRDataSource::FindFirst(LPCTSTR, int*, int*, long) { return kNotImplemented; }
int CGRDataSource::FindNext(LPCTSTR, int*, int*, long) { return kNotImplemented; }
int CGRDataSource::SortBy(int*, int, int) { return kNotImplemented; }
int CGRDataSource::SortByCol(int, int) { return kNotImplemented; }
int CGRDataSource::OnHitBottom(int, int, int*) { return kNotImplemented; }
void CGRDataSource::OnRowChange(int, int) {}
void CGRDataSource::OnColChange(int, int) {}
int CGRDataSource::OnCanMove(int, int, int, int) { return 1; }
int CGRDataSource::OnEditStart(int, int, CWnd**) { return 1; }
int CGRDataSource::OnEditVerify(int, int, CWnd*, UINT*) { return 1; }
int CGRDataSource::OnEditFinish(int, int, CWnd*, LPCTSTR, BOOL) { return 1; }
int CGRDataSource::OnEditContinue(int, int, int*, int*) { return 1; }
int CGRDataSource::GetPrevNonBlankCol(int*, int) { return kNotImplemented; }

void CGRDataSource::SetID(int nID) { m_nID = nID; }
int CGRDataSource::GetID() const { return m_nID; }
void CGRDataSource::SetCtrl(CGRCtrlCore* pCtrl) { m_pCtrl = pCtrl; }
CGRCtrlCore* CGRDataSource::GetCtrl() const { return m_pCtrl; }
