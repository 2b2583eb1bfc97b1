// What reading a sheet works with, handed down by its caller (the data source
// object, the scanner dialog or a test): the scanner, the bracket around its
// sheet, the page store and the windows a scan may show.
#pragma once

class AcquisitionUi;
class PageBracket;
class PageStore;
class ScannerIo;

struct ScanContext {
    const ScannerIo& Io;
    PageBracket& Sheet;
    PageStore& Store;
    AcquisitionUi* Windows;  // null: no calibration dialog and no progress windows
};
