#pragma once
// Result codes of the instrument-file and converter libraries. 0 is success;
// the refusal codes are thrown (instrument files) or returned (converter files)
// when a file is opened, the others are returned by single operations.

enum FvxCode
{
    kFvxOk = 0,

    // Refusals of a whole file, found when it is opened.
    kFvxCannotOpen = -2,
    kFvxNotThisFormat = -3,
    kFvxSyntax = -4,
    kFvxCountMismatch = -5,
    kFvxBadNumber = -6,
    kFvxBandOutOfRange = -7,
    kFvxTableTooShort = -8,

    // Failures of single operations on an opened file.
    kFvxNoSuchChannel = -10,
    kFvxNoMeasurement = -11,
    kFvxNotPresent = -12,
    kFvxNoFunction = -13,
    kFvxBadPeriod = -14,
    kFvxBadBandRange = -15,
    kFvxNoObject = -16,
    kFvxNotOpen = -17,
    kFvxNoSuchAObject = -20,
};
