/* Resource, control and command ids. Read by the resource compiler and by C++. */
#pragma once

#define IDR_MAINFRAME 128 /* program icon, accelerators, program name */
#define IDD_ABOUT 100
#define IDD_MAIN 129
#define IDD_OPTIONS 206
#define IDR_MAINMENU 201
#define IDR_TRAYMENU 208
#define IDI_PICKER 207
#define IDC_DRAG_CURSOR 205
#define IDB_COPY 210
#define IDB_DELETE 212
#define IDR_LISTMENU 209 /* the never-shown "__List_" popup */
#define IDD_FORMATS 230

/* The eyedropper, the drag cursor and the two button pictures drawn again for
   displays scaled to 125, 150 and 200 per cent: one set of four per scale. */
#define IDI_PICKER_125 213
#define IDC_DRAG_CURSOR_125 214
#define IDB_COPY_125 215
#define IDB_DELETE_125 216
#define IDI_PICKER_150 217
#define IDC_DRAG_CURSOR_150 218
#define IDB_COPY_150 219
#define IDB_DELETE_150 220
#define IDI_PICKER_200 221
#define IDC_DRAG_CURSOR_200 222
#define IDB_COPY_200 223
#define IDB_DELETE_200 224

/* Main window controls */
#define IDC_COLOUR_LIST 1000
#define IDC_FORMAT_BOX 1001
#define IDC_COLOUR_TEXT 1002
#define IDC_MODE_BUTTON 1003
#define IDC_POSITION_LABEL 1004
#define IDC_RGB_LABEL 1005
#define IDC_ZOOM_LABEL 1006
#define IDC_MAGNIFIER 1007
#define IDC_SWATCH 1008
#define IDC_PICK_BUTTON 1009
#define IDC_COPY_BUTTON 1010
#define IDC_DELETE_BUTTON 1011
#define IDC_RED_SLIDER 1012
#define IDC_GREEN_SLIDER 1013
#define IDC_BLUE_SLIDER 1014
#define IDC_RGB_GROUP 1015
#define IDC_PICKER_ICON 1019
/* The sliders' model, their labels and their value boxes */
#define IDC_SLIDER_MODEL 1040
#define IDC_SLIDER_LABEL_1 1041
#define IDC_SLIDER_LABEL_2 1042
#define IDC_SLIDER_LABEL_3 1043
#define IDC_SLIDER_VALUE_1 1044
#define IDC_SLIDER_VALUE_2 1045
#define IDC_SLIDER_VALUE_3 1046

/* Options and About dialog controls */
#define IDC_START_HOTKEY 1017
#define IDC_STOP_HOTKEY 1018
#define IDC_WEB_LINK 1025
#define IDC_MAIL_LINK 1026

/* Formats dialog controls */
#define IDC_FORMAT_LIST 1050
#define IDC_FORMAT_NAME 1051
#define IDC_FORMAT_TEMPLATE 1052
#define IDC_FORMAT_PREVIEW 1053
#define IDC_FORMAT_ADD 1054
#define IDC_FORMAT_CHANGE 1055
#define IDC_FORMAT_REMOVE 1056
#define IDC_FORMAT_UP 1057
#define IDC_FORMAT_DOWN 1058

/* Commands */
#define ID_CLEAR_ALL 32775
#define ID_ALWAYS_ON_TOP 32776
#define ID_ZOOM_IN 32778
#define ID_ZOOM_OUT 32779
#define ID_OPTIONS 32780
#define ID_OPEN_MAIN_WINDOW 32783
#define ID_EXPORT_ASE 32785
#define ID_EXPORT_ACT 32786
#define ID_LIST_DELETE 32787
#define ID_SUPPORT 32789
#define ID_CHECK_UPDATE 32790
#define ID_FILE_IMPORT 32800
#define ID_EXPORT_ACO 32801
#define ID_EXPORT_GPL 32802
#define ID_COPY_WHEN_KEPT 32803
#define ID_FORMATS 32811
#define ID_FILE_NEW 57600
#define ID_FILE_OPEN 57601
#define ID_APP_EXIT 57602
#define ID_FILE_SAVE 57603
#define ID_FILE_SAVE_AS 57604
#define ID_FILE_PRINT 57607
#define ID_EDIT_COPY 57634
#define ID_EDIT_CUT 57635
#define ID_EDIT_PASTE 57637
#define ID_EDIT_UNDO 57643
#define ID_APP_ABOUT 57664
#define ID_NEXT_PANE 57680
#define ID_PREV_PANE 57681
