#pragma once
// Classes in this file: CAtomicFileSet, several files of one folder saved as
// one: whether the save fails or the process is killed at any point, the
// files read afterwards either all as they were or all as saved.
//
//     CAtomicFileSet save(journalPath);      // finishes an earlier save
//     save.Add(path1).Store(...);
//     save.Add(path2).Store(...);
//     save.Commit();
//
// A journal file records the save (docs/saving.md): "pending" with the
// names of the files being written beside their targets, then, once every
// one is complete on the disk, "commit": from then on the save stands and
// any later reader finishes the replacing. Recover() completes a committed
// save and removes the files beside the targets of a pending one.

#include "CAtomicFile.h"
#include "CStringArray.h"

#include <memory>
#include <vector>

class CAtomicFileSet {
public:
    explicit CAtomicFileSet(LPCTSTR lpszJournalPath);
    CAtomicFileSet(const CAtomicFileSet&) = delete;
    CAtomicFileSet& operator=(const CAtomicFileSet&) = delete;
    ~CAtomicFileSet();

// Operations. Failures throw CFileException naming the target.
    // The file beside a target in the journal's folder, open for writing.
    CAtomicFile& Add(LPCTSTR lpszTargetPath);
    void Commit();

    static void Recover(LPCTSTR lpszJournalPath);

private:
    void WriteJournal(LPCTSTR lpszState) const;
    void CheckTargetsReplaceable() const;
    void ReplaceAll();

    CString m_sJournal;
    CStringArray m_saNames;
    std::vector<std::unique_ptr<CAtomicFile>> m_aFiles;
};
