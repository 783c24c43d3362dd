#pragma once
// The record of what the test application's objects did, in order, so a
// test can compare it with the sequence it expects.

#include <string>
#include <vector>

std::vector<std::string>& TestEvents();
