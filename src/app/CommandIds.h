#pragma once

namespace layrail {

// Fixed ids of the menu and toolbar commands.
enum CommandId : int {
    kCmdImportLayout = 1900,
    kCmdExportLayout = 1901,
    kCmdExportPlan = 1902,
    kCmdExportPieceList = 1903,
    kCmd3DView = 2000,
    kCmdSaveLibraryBlock = 2001,
    kCmdUndo = 2002,
    kCmdRedo = 2003,
    kCmdDelete = 2004,
    kCmdSelectAll = 2005,
    kCmdZoomIn = 2006,
    kCmdZoomOut = 2007,
    kCmdZoomFit = 2008,
    kCmdShowGrid = 2009,
    kCmdSnap = 2010,
    kCmdHideLabels = 2011,
    kCmdTunnel = 2012,
    kCmdMeasure = 2013,
    kCmdPolygon = 2014,
    kCmdLayoutShape = 2015,
    kCmdUnitsMillimetres = 2016,
    kCmdUnitsCentimetres = 2017,
    kCmdUnitsInches = 2018,
    kCmdLevels = 2019,
    kCmdHelp = 2022,
    kCmdCheckLayout = 2023,
    kCmdOpenLayout = 5000,
    kCmdCloseLayout = 5001,
    kCmdNewLayout = 5002,
    kCmdSave = 5003,
    kCmdSaveAs = 5004,
    kCmdExit = 5006,
    kCmdPrint = 5010,
    kCmdPageSetup = 5012,
    kCmdPrintPreview = 5013,
};

} // namespace layrail
