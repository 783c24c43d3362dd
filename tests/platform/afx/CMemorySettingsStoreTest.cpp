// CMemorySettingsStore: the behaviour of every settings store
// (SettingsStoreBehaviour.h).
#include "SettingsStoreBehaviour.h"

INSTANTIATE_TYPED_TEST_SUITE_P(CMemorySettingsStore, SettingsStore, ::testing::Types<CMemorySettingsStore>);
