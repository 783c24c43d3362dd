#pragma once
// Classes in this file: CProjectHost, what the project model needs of the
// application: the settings the calculation reads, the default display of
// multiplot curves, the workspace-modified flag, the view kind last
// activated, the untitled-document text, the per-user profile and the result
// pass of the calculation engine. The application installs its own host;
// tests install one that records. Without one, a default host with the
// settings' defaults and an in-memory profile serves.

#include "CalcSettings.h"

#include "afx.h"

class CCalc;
class CCalcDocument;

class CProjectHost {
public:
    virtual ~CProjectHost() = default;

// Settings
    virtual CCalcSettings GetCalcSettings() const = 0;
    virtual void GetCurveDefaults(int nCurve, int& rnColor, int& rnStyle, int& rnSize) const = 0;
    virtual CSettingsStore& GetProfile() = 0;

// Workspace state
    virtual void SetWorkspaceModified() = 0;
    virtual int GetCurrentViewKind() const = 0;
    virtual CString GetUntitledText() const = 0;

// The calculation engine's result pass: resets the working result, empties
// the set results and runs the project's method.
    virtual void CalculateResults(CCalcDocument& doc, CCalc& calc) = 0;

// The current host, as the framework's current application
    static CProjectHost& GetCurrent();
    static void SetCurrent(CProjectHost* pHost);  // null: the default host again
};

// The host of a program without an application object: default settings,
// an in-memory profile, and a result pass that only clears the results.
class CDefaultProjectHost : public CProjectHost {
public:
    CCalcSettings GetCalcSettings() const override { return CCalcSettings(); }
    void GetCurveDefaults(int nCurve, int& rnColor, int& rnStyle, int& rnSize) const override;
    CSettingsStore& GetProfile() override { return m_Profile; }
    void SetWorkspaceModified() override {}
    int GetCurrentViewKind() const override { return 0; }
    CString GetUntitledText() const override;
    void CalculateResults(CCalcDocument& doc, CCalc& calc) override;

private:
    CMemorySettingsStore m_Profile;
};
