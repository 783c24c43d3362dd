#pragma once
// Resource ids of the framework's window tests.

#define IDR_TESTMAIN 300    // main frame: title, menu, accelerators
#define IDR_TESTDOC 301     // registered template: document strings, menu
#define IDR_TESTTABLE 302   // unregistered view template of the same document

#define ID_TEST_ROUTE 40001       // handled along the whole routing chain
#define ID_TEST_TOGGLE 40002      // the main frame checks it on the bar menu
#define ID_TEST_VIEWONLY 40003    // only the view handles it
#define ID_TEST_UNHANDLED 40004   // nobody handles it
#define ID_TEST_DISABLED 40005    // the view handles it; its update handler disables it
#define ID_TEST_RANGE_FIRST 40010
#define ID_TEST_RANGE_LAST 40012
#define ID_TEST_TABLEONLY 40020   // in the table template's menu only
#define ID_TEST_ACCEL 40021       // F9 in the main frame's accelerators
#define ID_TEST_DISABLED_KEY 40022  // Del: in no menu; as ID_TEST_DISABLED

