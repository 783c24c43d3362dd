#include "GraphSetup.h"

#include "CGraphProps.h"

void SetupCommonGraph(CGraphProps& g)
{
    g.Toolbar.SetInt(0);
    g.Hot.SetInt(0);
    g.RandomData.SetInt(0);
    g.SDKMouse.SetInt(0);
    g.SDKPaint.SetInt(1);
    g.RunTime.SetInt(1);
    g.PropertyPages.SetInt(0);
    g.GraphType.SetInt(6);
    g.GraphStyle.SetInt(4);
    g.Ticks.SetInt(0);
    g.Background.At(0).SetInt(15);
    g.MissingData.SetInt(2);
    // Points at -999 lie below this and are left out.
    g.LimitLowValue.SetDouble(-998.0);
    g.GridStyle.SetInt(1);
    const int aFontSizes[4][2] = {{0, 90}, {1, 20}, {4, 90}, {2, 20}};
    for (const auto& size : aFontSizes)
        g.FontSize.At(size[0]).SetInt(size[1]);
}
