#pragma once
// Resource ids of the program. The framework's own ids (0xE000 and above)
// keep the numbers the framework gives them.

#define IDR_MAINFRAME 128

// Project document: title of the summary record of a measurement list
#define IDS_AVERAGE 133

// Report-type descriptor: default captions of the report head
#define IDS_DESCRIPTION_LABEL 168
#define IDS_OBJECT_LABEL 169
#define IDS_REPORT_NO_LABEL 171
#define IDS_REMARKS_LABEL 265

#define AFX_IDS_APP_TITLE 57344
#define AFX_IDS_IDLEMESSAGE 57345

// Framework: file and archive error messages ("%1" is the file or class).
#define AFX_IDS_UNNAMED_FILE 0xF00F
#define AFX_IDP_FAILED_MEMORY_ALLOC 0xF104
#define AFX_IDP_FILE_NONE 0xF180
#define AFX_IDP_FILE_GENERIC 0xF181
#define AFX_IDP_FILE_NOT_FOUND 0xF182
#define AFX_IDP_FILE_BAD_PATH 0xF183
#define AFX_IDP_FILE_TOO_MANY_OPEN 0xF184
#define AFX_IDP_FILE_ACCESS_DENIED 0xF185
#define AFX_IDP_FILE_INVALID_FILE 0xF186
#define AFX_IDP_FILE_REMOVE_CURRENT 0xF187
#define AFX_IDP_FILE_DIR_FULL 0xF188
#define AFX_IDP_FILE_BAD_SEEK 0xF189
#define AFX_IDP_FILE_HARD_IO 0xF18A
#define AFX_IDP_FILE_SHARING 0xF18B
#define AFX_IDP_FILE_LOCKING 0xF18C
#define AFX_IDP_FILE_DISKFULL 0xF18D
#define AFX_IDP_FILE_EOF 0xF18E
#define AFX_IDP_ARCH_NONE 0xF1A0
#define AFX_IDP_ARCH_GENERIC 0xF1A1
#define AFX_IDP_ARCH_READONLY 0xF1A2
#define AFX_IDP_ARCH_ENDOFFILE 0xF1A3
#define AFX_IDP_ARCH_WRITEONLY 0xF1A4
#define AFX_IDP_ARCH_BADINDEX 0xF1A5
#define AFX_IDP_ARCH_BADCLASS 0xF1A6
#define AFX_IDP_ARCH_BADSCHEMA 0xF1A7

// ---- Method catalogue of the new-project dialog (newproject/) ----
// Texts of the method tree: node texts, titles, sub-titles, graph titles,
// tree titles and template names. Ids below 9000 are the program's fixed
// numbers; 9000 to 9299 are the catalogue's own.
#define IDS_AIRBORNE                             131
#define IDS_IMPACT                               132
#define IDS_TOTAL_LOSS_FACTOR                    141
#define IDS_SUBTITLE_ROOMS                       166
#define IDS_SUBTITLE_FLOORS                      167
#define IDS_GRAPH_APP_SRI                        184
#define IDS_GRAPH_NORM_IMPACT                    186
#define IDS_FIELD                                190
#define IDS_FACADE                               199
#define IDS_LOUDSPEAKER                          200
#define IDS_ROAD_TRAFFIC                         204
#define IDS_AIR_TRAFFIC                          205
#define IDS_RAILWAY_TRAFFIC                      206
#define IDS_GRAPH_NORM_LEVDIFF                   207
#define IDS_GRAPH_STD_LEVDIFF                    208
#define IDS_GRAPH_STD_IMPACT                     209
#define IDS_SUBTITLE_FACADES                     210
#define IDS_MRU_ROOT                             211
#define IDS_OEN140_4_APP_SRI                     220
#define IDS_OEN140_4_APP_SRI_ROOM                221
#define IDS_OEN140_4_APP_SRI_ELEMENT             222
#define IDS_OEN140_4_NORM_LEVDIFF                223
#define IDS_OEN140_4_STD_LEVDIFF                 224
#define IDS_OEN140_7_STD_IMPACT                  225
#define IDS_OEN140_5_APP_SRI                     226
#define IDS_OEN140_5_NORM_LEVDIFF                227
#define IDS_OEN140_5_STD_LEVDIFF                 228
#define IDS_OEN140_7_NORM_IMPACT                 229
#define IDS_TPL_OEN140_4_APP_SRI_ELEMENT         309
#define IDS_TPL_OEN140_4_APP_SRI_ROOM            311
#define IDS_TPL_OEN140_7_NORM_IMPACT             320
#define IDS_TPL_OEN140_4_NORM_LEVDIFF            322
#define IDS_TPL_OEN140_7_STD_IMPACT              338
#define IDS_TPL_OEN140_4_STD_LEVDIFF             341
#define IDS_SUBTITLE_FACADE_16283                626
#define IDS_LABORATORY                           368
#define IDS_LAB_ISO140_6_NORM_IMPACT             369
#define IDS_SUBTITLE_LAB_FLOORS                  370
#define IDS_TPL_LAB_ISO140_6_NORM_IMPACT         371
#define IDS_LAB_ISO140_3_SRI                     374
#define IDS_LAB_ISO140_3_APP_SRI                 375
#define IDS_SUBTITLE_LAB_ELEMENTS                376
#define IDS_GRAPH_SRI                            377
#define IDS_TPL_LAB_ISO140_3_SRI                 378
#define IDS_TPL_LAB_ISO140_3_APP_SRI             379
#define IDS_LAB_ISO140_9_CEILING                 380
#define IDS_GRAPH_CEILING_LEVDIFF                381
#define IDS_TPL_LAB_ISO140_9_CEILING             382
#define IDS_LAB_ISO140_10_ELEMENT                383
#define IDS_GRAPH_ELEMENT_LEVDIFF                384
#define IDS_TPL_LAB_ISO140_10_ELEMENT            385
#define IDS_LAB_ISO140_8_REDUCT_IMPACT           408
#define IDS_SUBTITLE_LAB_HEAVY_FLOOR             409
#define IDS_TPL_LAB_ISO140_8_REDUCT_IMPACT       410
#define IDS_GRAPH_REDUCT_IMPACT                  412
#define IDS_LAB_ISO140_16_IMPROVE                471
#define IDS_SUBTITLE_LAB_LINING                  472
#define IDS_GRAPH_IMPROVE                        473
#define IDS_TPL_LAB_ISO140_16_IMPROVE            474
#define IDS_LAB_ISO140_11_REDUCT_IMPACT          477
#define IDS_SUBTITLE_LAB_LIGHT_FLOOR             478
#define IDS_GRAPH_REDUCT_IMPACT_LIGHT            479
#define IDS_TPL_LAB_ISO140_11_REDUCT_IMPACT      480
#define IDS_LAB_ISO10848_FLANK                   485
#define IDS_LAB_ISO10848_FLANK_IMPACT            486
#define IDS_SUBTITLE_LAB_FLANK                   487
#define IDS_SUBTITLE_LAB_FLANK_IMPACT            488
#define IDS_GRAPH_FLANK                          489
#define IDS_GRAPH_FLANK_IMPACT                   490
#define IDS_TPL_LAB_ISO10848_FLANK               491
#define IDS_TPL_LAB_ISO10848_FLANK_IMPACT        492
#define IDS_LAB_ISO140_3_LOSS                    494
#define IDS_TPL_LAB_ISO140_3_LOSS                495
#define IDS_LAB_ISO10140_4_LOSS                  498
#define IDS_TPL_LAB_ISO10140_4_LOSS              499
#define IDS_LAB_ISO10140_2_SRI                   500
#define IDS_LAB_ISO10140_2_APP_SRI               501
#define IDS_TPL_LAB_ISO10140_2_SRI               502
#define IDS_TPL_LAB_ISO10140_2_APP_SRI           503
#define IDS_LAB_ISO10140_2_ELEMENT               504
#define IDS_TPL_LAB_ISO10140_2_ELEMENT           505
#define IDS_LAB_ISO10140_IMPROVE                 509
#define IDS_TPL_LAB_ISO10140_IMPROVE             510
#define IDS_LAB_ISO10140_3_NORM_IMPACT           511
#define IDS_TPL_LAB_ISO10140_3_NORM_IMPACT       512
#define IDS_LAB_ISO10140_REDUCT_HEAVY_TITLE      513
#define IDS_TPL_LAB_ISO10140_REDUCT_HEAVY        514
#define IDS_LAB_ISO10140_REDUCT_HEAVY            515
#define IDS_LAB_ISO10140_REDUCT_LIGHT_TITLE      516
#define IDS_TPL_LAB_ISO10140_REDUCT_LIGHT        517
#define IDS_LAB_ISO10140_REDUCT_LIGHT            518
#define IDS_LAB_ISO10140_2_SRI_SINGLE            519
#define IDS_TPL_LAB_ISO10140_2_SRI_SINGLE        520
#define IDS_LAB_ISO10140_2_APP_SRI_SINGLE        521
#define IDS_TPL_LAB_ISO10140_2_APP_SRI_SINGLE    522
#define IDS_LAB_ISO10140_2_ELEMENT_SINGLE        523
#define IDS_TPL_LAB_ISO10140_2_ELEMENT_SINGLE    524
#define IDS_LAB_NFS31_074                        525
#define IDS_SUBTITLE_LAB_COVERING_ROOM           526
#define IDS_TPL_LAB_NFS31_074                    527
#define IDS_ASTM_TL                              556
#define IDS_SUBTITLE_ASTM_E90                    557
#define IDS_TPL_ASTM_E90                         558
#define IDS_LAB_ASTM_E90                         559
#define IDS_ASTM_LN                              562
#define IDS_SUBTITLE_ASTM_E492                   563
#define IDS_LAB_ASTM_E492                        564
#define IDS_TPL_ASTM_E492                        565
#define IDS_ISO16283_1_APP_SRI                   9000
#define IDS_ISO16283_1_STD_LEVDIFF               9001
#define IDS_ISO16283_1_APP_SRI_STAGGERED         9002
#define IDS_ISO16283_1_APP_SRI_LOWFREQ           9003
#define IDS_ISO16283_1_STD_LEVDIFF_LOWFREQ       9004
#define IDS_ISO16283_1_APP_SRI_SINGLE            9005
#define IDS_ISO16283_1_STD_LEVDIFF_SINGLE        9006
#define IDS_ISO140_4_APP_SRI                     9007
#define IDS_ISO140_4_APP_SRI_ROOM                9008
#define IDS_ISO140_4_APP_SRI_ELEMENT             9009
#define IDS_ISO140_4_NORM_LEVDIFF                9010
#define IDS_ISO140_4_STD_LEVDIFF                 9011
#define IDS_ISO16283_2_NORM_IMPACT               9012
#define IDS_ISO16283_2_STD_IMPACT                9013
#define IDS_ISO16283_2_NORM_IMPACT_LOWFREQ       9014
#define IDS_ISO16283_2_STD_IMPACT_LOWFREQ        9015
#define IDS_ISO140_7_NORM_IMPACT                 9016
#define IDS_ISO140_7_STD_IMPACT                  9017
#define IDS_TPL_ISO16283_1_APP_SRI               9018
#define IDS_TPL_ISO16283_1_STD_LEVDIFF           9019
#define IDS_TPL_ISO16283_1_APP_SRI_LOWFREQ       9020
#define IDS_TPL_ISO16283_1_STD_LEVDIFF_LOWFREQ   9021
#define IDS_TPL_ISO16283_1_APP_SRI_SINGLE        9022
#define IDS_TPL_ISO16283_1_STD_LEVDIFF_SINGLE    9023
#define IDS_TPL_ISO140_4_APP_SRI_ROOM            9024
#define IDS_TPL_ISO140_4_APP_SRI_ELEMENT         9025
#define IDS_TPL_ISO140_4_NORM_LEVDIFF            9026
#define IDS_TPL_ISO140_4_STD_LEVDIFF             9027
#define IDS_TPL_ISO16283_2_NORM_IMPACT           9028
#define IDS_TPL_ISO16283_2_STD_IMPACT            9029
#define IDS_TPL_ISO16283_2_NORM_IMPACT_LOWFREQ   9030
#define IDS_TPL_ISO16283_2_STD_IMPACT_LOWFREQ    9031
#define IDS_TPL_ISO140_7_NORM_IMPACT             9032
#define IDS_TPL_ISO140_7_STD_IMPACT              9033
#define IDS_ISO16283_3_APP_SRI                   9034
#define IDS_ISO16283_3_NORM_LEVDIFF              9035
#define IDS_ISO16283_3_STD_LEVDIFF               9036
#define IDS_ISO16283_3_APP_SRI_LOWFREQ           9037
#define IDS_ISO16283_3_NORM_LEVDIFF_LOWFREQ      9038
#define IDS_ISO16283_3_STD_LEVDIFF_LOWFREQ       9039
#define IDS_ISO140_5_APP_SRI                     9040
#define IDS_ISO140_5_NORM_LEVDIFF                9041
#define IDS_ISO140_5_STD_LEVDIFF                 9042
#define IDS_TPL_ISO_LS_APP_SRI_16283_3           9043
#define IDS_TPL_ISO_LS_NORM_LEVDIFF_16283_3      9044
#define IDS_TPL_ISO_LS_STD_LEVDIFF_16283_3       9045
#define IDS_TPL_ISO_LS_APP_SRI_16283_3_LOWFREQ   9046
#define IDS_TPL_ISO_LS_NORM_LEVDIFF_16283_3_LOWFREQ 9047
#define IDS_TPL_ISO_LS_STD_LEVDIFF_16283_3_LOWFREQ 9048
#define IDS_TPL_ISO_LS_APP_SRI_140_5             9049
#define IDS_TPL_ISO_LS_NORM_LEVDIFF_140_5        9050
#define IDS_TPL_ISO_LS_STD_LEVDIFF_140_5         9051
#define IDS_TPL_ISO_ROAD_APP_SRI_16283_3         9052
#define IDS_TPL_ISO_ROAD_NORM_LEVDIFF_16283_3    9053
#define IDS_TPL_ISO_ROAD_STD_LEVDIFF_16283_3     9054
#define IDS_TPL_ISO_ROAD_APP_SRI_16283_3_LOWFREQ 9055
#define IDS_TPL_ISO_ROAD_NORM_LEVDIFF_16283_3_LOWFREQ 9056
#define IDS_TPL_ISO_ROAD_STD_LEVDIFF_16283_3_LOWFREQ 9057
#define IDS_TPL_ISO_ROAD_APP_SRI_140_5           9058
#define IDS_TPL_ISO_ROAD_NORM_LEVDIFF_140_5      9059
#define IDS_TPL_ISO_ROAD_STD_LEVDIFF_140_5       9060
#define IDS_TPL_ISO_RAIL_APP_SRI_16283_3         9061
#define IDS_TPL_ISO_RAIL_NORM_LEVDIFF_16283_3    9062
#define IDS_TPL_ISO_RAIL_STD_LEVDIFF_16283_3     9063
#define IDS_TPL_ISO_RAIL_APP_SRI_16283_3_LOWFREQ 9064
#define IDS_TPL_ISO_RAIL_NORM_LEVDIFF_16283_3_LOWFREQ 9065
#define IDS_TPL_ISO_RAIL_STD_LEVDIFF_16283_3_LOWFREQ 9066
#define IDS_TPL_ISO_RAIL_APP_SRI_140_5           9067
#define IDS_TPL_ISO_RAIL_NORM_LEVDIFF_140_5      9068
#define IDS_TPL_ISO_RAIL_STD_LEVDIFF_140_5       9069
#define IDS_TPL_ISO_AIR_APP_SRI_16283_3          9070
#define IDS_TPL_ISO_AIR_NORM_LEVDIFF_16283_3     9071
#define IDS_TPL_ISO_AIR_STD_LEVDIFF_16283_3      9072
#define IDS_TPL_ISO_AIR_APP_SRI_16283_3_LOWFREQ  9073
#define IDS_TPL_ISO_AIR_NORM_LEVDIFF_16283_3_LOWFREQ 9074
#define IDS_TPL_ISO_AIR_STD_LEVDIFF_16283_3_LOWFREQ 9075
#define IDS_TPL_ISO_AIR_APP_SRI_140_5            9076
#define IDS_TPL_ISO_AIR_NORM_LEVDIFF_140_5       9077
#define IDS_TPL_ISO_AIR_STD_LEVDIFF_140_5        9078
#define IDS_TPL_OEN_LS_APP_SRI_140_5             9079
#define IDS_TPL_OEN_LS_NORM_LEVDIFF_140_5        9080
#define IDS_TPL_OEN_LS_STD_LEVDIFF_140_5         9081
#define IDS_TPL_OEN_ROAD_APP_SRI_140_5           9082
#define IDS_TPL_OEN_ROAD_NORM_LEVDIFF_140_5      9083
#define IDS_TPL_OEN_ROAD_STD_LEVDIFF_140_5       9084
#define IDS_TPL_OEN_RAIL_APP_SRI_140_5           9085
#define IDS_TPL_OEN_RAIL_NORM_LEVDIFF_140_5      9086
#define IDS_TPL_OEN_RAIL_STD_LEVDIFF_140_5       9087
#define IDS_TPL_OEN_AIR_APP_SRI_140_5            9088
#define IDS_TPL_OEN_AIR_NORM_LEVDIFF_140_5       9089
#define IDS_TPL_OEN_AIR_STD_LEVDIFF_140_5        9090
#define IDS_SIA2006_STD_LEVDIFF                  9091
#define IDS_LOW_FREQ_EMISSIONS                   9092
#define IDS_SIA2006_LS_STD_LEVDIFF               9093
#define IDS_TRAFFIC_NOISE                        9094
#define IDS_SIA2006_16283_3_TITLE                9095
#define IDS_SIA1988_STD_LEVDIFF                  9096
#define IDS_SIA2006_STD_IMPACT                   9097
#define IDS_SIA1988_STD_IMPACT                   9098
#define IDS_TPL_SIA2006_STD_LEVDIFF              9099
#define IDS_TPL_SIA2006_LOW_STD_LEVDIFF          9100
#define IDS_TPL_SIA2006_LS_STD_LEVDIFF           9101
#define IDS_TPL_SIA2006_LS16283_STD_LEVDIFF      9102
#define IDS_TPL_SIA2006_TR16283_STD_LEVDIFF      9103
#define IDS_TPL_SIA2006_LSISO_STD_LEVDIFF        9104
#define IDS_TPL_SIA2006_TRISO_STD_LEVDIFF        9105
#define IDS_TPL_SIA1988_STD_LEVDIFF              9106
#define IDS_TPL_SIA1988_LS_STD_LEVDIFF           9107
#define IDS_TPL_SIA2006_STD_IMPACT               9108
#define IDS_TPL_SIA1988_STD_IMPACT               9109
#define IDS_BS140_4_STD_LEVDIFF                  9110
#define IDS_BS16283_1_BB93                       9111
#define IDS_BS140_4_BB93                         9112
#define IDS_BS140_7_STD_IMPACT                   9113
#define IDS_BS16283_2_BB93                       9114
#define IDS_BS140_7_BB93                         9115
#define IDS_TPL_BS140_4_STD_LEVDIFF              9116
#define IDS_TPL_BS16283_1_BB93                   9117
#define IDS_TPL_BS140_4_BB93                     9118
#define IDS_TPL_BS140_7_STD_IMPACT               9119
#define IDS_TPL_BS16283_2_BB93                   9120
#define IDS_TPL_BS140_7_BB93                     9121
#define IDS_DIN4109_4_DOOR                       9122
#define IDS_DIN4109_4_NORM_LEVDIFF               9123
#define IDS_LS_CLOSE_RANGE                       9124
#define IDS_LS_FAR_RANGE                         9125
#define IDS_DIN4109_4_APP_SRI                    9126
#define IDS_DIN4109_11_DOOR                      9127
#define IDS_SUBTITLE_DOORS                       9128
#define IDS_SUBTITLE_CLOSE_RANGE                 9129
#define IDS_SUBTITLE_FAR_RANGE                   9130
#define IDS_TPL_DIN4109_4_DOOR                   9131
#define IDS_TPL_DIN4109_4_NORM_LEVDIFF           9132
#define IDS_TPL_DIN4109_4_CLOSE_RANGE            9133
#define IDS_TPL_DIN4109_4_FAR_RANGE              9134
#define IDS_TPL_DIN4109_11_DOOR                  9135
#define IDS_ASTM_E336_ATL                        9136
#define IDS_ASTM_E336_NNR                        9137
#define IDS_ASTM_E336_NR                         9138
#define IDS_ASTM_E1007_ANISPL                    9139
#define IDS_ASTM_E1007_RTNISPL                   9140
#define IDS_ASTM_ATL                             9141
#define IDS_ASTM_NNR                             9142
#define IDS_ASTM_NR                              9143
#define IDS_ASTM_ANISPL                          9144
#define IDS_ASTM_RTNISPL                         9145
#define IDS_SUBTITLE_ASTM_E336                   9146
#define IDS_SUBTITLE_ASTM_E1007                  9147
#define IDS_TPL_ASTM_E336_ATL                    9148
#define IDS_TPL_ASTM_E336_NNR                    9149
#define IDS_TPL_ASTM_E336_NR                     9150
#define IDS_TPL_ASTM_E1007_ANISPL                9151
#define IDS_TPL_ASTM_E1007_RTNISPL               9152
#define IDS_SS2015_STD_LEVDIFF                   9153
#define IDS_SS2004_APP_SRI                       9154
#define IDS_SS2015_STD_IMPACT                    9155
#define IDS_SS2004_NORM_IMPACT                   9156
#define IDS_TPL_SS2015_STD_LEVDIFF               9157
#define IDS_TPL_SS2004_APP_SRI                   9158
#define IDS_TPL_SS2015_STD_IMPACT                9159
#define IDS_TPL_SS2004_NORM_IMPACT               9160
#define IDS_ABSORPTION                           9161
#define IDS_ISO354_1993                          9162
#define IDS_ISO354_2003                          9163
#define IDS_ISO11654                             9164
#define IDS_SUBTITLE_ABSORPTION                  9165
#define IDS_GRAPH_ALPHA_S                        9166
#define IDS_GRAPH_ALPHA_P                        9167
#define IDS_TPL_ISO354_1993                      9168
#define IDS_TPL_ISO354_2003                      9169
#define IDS_TPL_ISO11654                         9170
#define IDS_INTENSITY                            9171
#define IDS_ISO15186_APP_SRI                     9172
#define IDS_ISO15186_FLANK_SRI                   9173
#define IDS_ISO15186_NORM_LEVDIFF                9174
#define IDS_ISO15186_ELEMENT_LEVDIFF             9175
#define IDS_SUBTITLE_INTENSITY                   9176
#define IDS_GRAPH_INTENSITY_SRI                  9177
#define IDS_GRAPH_INTENSITY_LEVDIFF              9178
#define IDS_TPL_ISO15186_APP_SRI                 9179
#define IDS_TPL_ISO15186_FLANK_SRI               9180
#define IDS_TPL_ISO15186_NORM_LEVDIFF            9181
#define IDS_TPL_ISO15186_ELEMENT_LEVDIFF         9182
#define IDS_MODIFIED_PREFIX                      9183
#define IDS_MULTIPLOT                            9184
#define IDS_IMPACT_AIRBORNE                      9185
#define IDS_TPL_IA_ISO16283_2_NORM               9186
#define IDS_TPL_IA_ISO16283_2_STD                9187
#define IDS_TPL_IA_ISO140_7_NORM                 9188
#define IDS_TPL_IA_ISO140_7_STD                  9189
#define IDS_TPL_IA_ISO10140_3_NORM               9190
#define IDS_TPL_IA_ISO140_6_NORM                 9191
#define IDS_DIN4109_4_NORM_IMPACT                9192
#define IDS_DIN4109_4_STD_IMPACT                 9193
#define IDS_TPL_IA_DIN4109_4_NORM                9194
#define IDS_TPL_IA_DIN4109_4_STD                 9195
#define IDS_REVERBERATION                        9196
#define IDS_DIN52216                             9197
#define IDS_DIN_EN_ISO3382                       9198
#define IDS_GRAPH_REVERBERATION                  9199
#define IDS_TPL_DIN52216                         9200
#define IDS_TPL_DIN_EN_ISO3382                   9201
// ---- end of the method catalogue ----

// Instrument-file readers
#define IDS_FILTER_THIRD_OCTAVE 241
#define IDS_PRIMARY_NOT_AVAILABLE 274
#define IDS_SECONDARY_NOT_AVAILABLE 275
#define IDS_NOISE_PINK 61446
#define IDS_NOISE_TRAFFIC 61447

// --- The framework's ids (window layer) -------------------------------------
// Commands, window ids and texts of the framework, with the numbers the
// framework's resources have always had.

// Texts
#define AFX_IDS_OPENFILE 61440
#define AFX_IDS_SAVEFILE 61441
#define AFX_IDS_UNTITLED 61443
#define AFX_IDS_ALLFILTER 61444
#define AFX_IDS_HIDE 61457
#define AFX_IDS_MDICHILD 61215
#define AFX_IDP_INVALID_FILENAME 61696
#define AFX_IDP_FAILED_TO_OPEN_DOC 61697
#define AFX_IDP_FAILED_TO_SAVE_DOC 61698
#define AFX_IDP_ASK_TO_SAVE 61699
#define AFX_IDP_FAILED_TO_CREATE_DOC 61706
#define AFX_IDP_FAILED_TO_START_PRINT 61702
#define AFX_IDP_FAILED_TO_LAUNCH_HELP 61703
#define AFX_IDP_INTERNAL_FAILURE 61704
#define AFX_IDP_COMMAND_FAILURE 61705
#define AFX_IDP_PARSE_INT 61712
#define AFX_IDP_PARSE_REAL 61713
#define AFX_IDP_PARSE_INT_RANGE 61714
#define AFX_IDP_PARSE_REAL_RANGE 61715
#define AFX_IDP_PARSE_STRING_SIZE 61716
#define AFX_IDP_PARSE_RADIO_BUTTON 61717

// Status-bar indicators
#define ID_INDICATOR_EXT 59136
#define ID_INDICATOR_CAPS 59137
#define ID_INDICATOR_NUM 59138
#define ID_INDICATOR_SCRL 59139
#define ID_INDICATOR_OVR 59140
#define ID_INDICATOR_REC 59141

// Commands
#define ID_FILE_NEW 57600
#define ID_FILE_OPEN 57601
#define ID_FILE_CLOSE 57602
#define ID_FILE_SAVE 57603
#define ID_FILE_SAVE_AS 57604
#define ID_FILE_PAGE_SETUP 57605
#define ID_FILE_PRINT_SETUP 57606
#define ID_FILE_PRINT 57607
#define ID_FILE_PRINT_DIRECT 57608
#define ID_FILE_PRINT_PREVIEW 57609
#define ID_FILE_MRU_FILE1 57616
#define ID_FILE_MRU_FILE2 57617
#define ID_FILE_MRU_FILE3 57618
#define ID_FILE_MRU_FILE4 57619
#define ID_FILE_MRU_FILE16 57631
#define ID_EDIT_CLEAR 57632
#define ID_EDIT_COPY 57634
#define ID_EDIT_CUT 57635
#define ID_EDIT_FIND 57636
#define ID_EDIT_PASTE 57637
#define ID_EDIT_PASTE_LINK 57638
#define ID_EDIT_PASTE_SPECIAL 57639
#define ID_EDIT_REPLACE 57641
#define ID_EDIT_SELECT_ALL 57642
#define ID_EDIT_UNDO 57643
#define ID_EDIT_REDO 57644
#define ID_WINDOW_NEW 57648
#define ID_WINDOW_ARRANGE 57649
#define ID_WINDOW_CASCADE 57650
#define ID_WINDOW_TILE_HORZ 57651
#define ID_WINDOW_TILE_VERT 57652
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665
#define ID_HELP_INDEX 57666
#define ID_HELP_FINDER 57667
#define ID_CONTEXT_HELP 57669
#define ID_HELP 57670
#define ID_NEXT_PANE 57680
#define ID_PREV_PANE 57681
#define ID_VIEW_TOOLBAR 59392
#define ID_VIEW_STATUS_BAR 59393

// The Window menu: its commands and the ids of its child-window entries
#define AFX_IDM_WINDOW_FIRST 57648
#define AFX_IDM_WINDOW_LAST 57663
#define AFX_IDM_FIRST_MDICHILD 65280

// Windows
#define AFX_IDW_TOOLBAR 59392
#define AFX_IDW_STATUS_BAR 59393
#define AFX_IDW_PANE_FIRST 59648
#define AFX_IDW_PANE_LAST 59903

// --- Control bars (window layer) ---------------------------------------------
// The frame's dock bars, one per edge, and the bar that hosts a dialog.
#define AFX_IDW_DIALOGBAR 59397
#define AFX_IDW_DOCKBAR_TOP 59419
#define AFX_IDW_DOCKBAR_LEFT 59420
#define AFX_IDW_DOCKBAR_RIGHT 59421
#define AFX_IDW_DOCKBAR_BOTTOM 59422

// Import of files into a project
#define IDS_UNKNOWN_EXTENSION 159
#define IDS_ERROR_CODE 237
#define IDS_INVALID_DATA_FORMAT 269
#define IDS_COMMENT 493
#define IDS_CONVERTER_UNKNOWN_FORMAT 684
#define IDS_CONVERTER_CANNOT_OPEN 685
#define IDS_CONVERTER_CANNOT_WRITE 686
#define IDS_CONVERTER_UNKNOWN_ERROR 687

// Calculation engine: the result pass
#define IDS_NOT_IMPLEMENTED 160

// ---- Main frame, tree bar and project windows (app/) ----
// Resource sets: the main frame (IDR_MAINFRAME: title, menu, accelerators,
// standard toolbar), the Word toolbar, the project windows' menu, the tree
// bar's dialog and image list.
#define IDR_PROJECTMENU 129
#define IDR_WORDTOOLBAR 159
#define IDD_TREEBAR 103
#define IDB_TREEIMAGES 133
#define IDC_MEASUREMENT_TREE 1002

// Commands of the menus, toolbars and accelerators
#define ID_CANCEL_EDIT 32768
#define ID_VIEW_EXPLORER_BAR 32771
#define ID_TOOLS_KELPORT 32772
#define ID_TOOLS_KELCHECK 32775
#define ID_EDIT_DELETE_MEASUREMENT 32776
#define ID_EXTRAS_SHIFTED_REF_CURVE 32781
#define ID_EXTRAS_TENTH_DB_ACCURACY 32782
#define ID_EXTRAS_CORRECTIONS_SETUP 32783
#define ID_EXTRAS_OPTIONS 32784
#define ID_EXTRAS_BGN_CORRECTION 32785
#define ID_FILE_IMPORT 32786
#define ID_EDIT_ADD_MEASUREMENT 32787
#define ID_VIEW_PROPERTIES 32789
#define ID_VIEW_CORRECTION_COLUMN 32792
#define ID_VIEW_AVERAGES_COLUMN 32793
#define ID_VIEW_STATUS_COLUMN 32794
#define ID_EDIT_INCLUDE_MEASUREMENT 32795
#define ID_EDIT_EXCLUDE_MEASUREMENT 32796
#define ID_FILE_CLOSE_WORKSPACE 32801
#define ID_FILE_EXPORT 32809
#define ID_VIEW_OPEN 32814
#define ID_EDIT_RENAME 32815
#define ID_HELP_CONTENTS 32816
#define ID_EXTRAS_SWAP_TABLE 32817
#define ID_FILE_EXPORT_ALL_WORKBOOK 32818
#define ID_EXTRAS_FTM_CORRECTION 32819
#define ID_FILE_READ_KEL620 32820
#define ID_FILE_EXPORT_ALL 32822
#define ID_FILE_MULTIPLE_PRINT 32823
#define ID_WINDOW_CLOSE_ALL 32824
#define ID_PROJECT_SET_ACTIVE 32826
#define ID_VIEW_OPEN_SOURCE_ROOM 32828
#define ID_VIEW_OPEN_RECEIVING_ROOM 32837
#define ID_VIEW_OPEN_BACKGROUND_NOISE 32841
#define ID_VIEW_OPEN_REVERBERATION 32845
#define ID_VIEW_OPEN_TEST_REPORT 32849
#define ID_VIEW_OPEN_RESULT_TABLE 32853
#define ID_EXTRAS_ZEZUR_CORRECTION 32857

// Texts of the tree
#define IDS_TREE_MULTIPLOT 134
#define IDS_TREE_MEASUREMENT_DATA 142
#define IDS_TREE_SETTINGS 143
#define IDS_TREE_RESULTS 144
#define IDS_TREE_TEST_REPORT 145
#define IDS_TREE_RESULT_TABLE 146
#define IDS_TREE_RESULT_CHART 147
#define IDS_TREE_SOURCE_ROOM 151
#define IDS_TREE_RECEIVING_ROOM 152
#define IDS_TREE_BACKGROUND_NOISE 153
#define IDS_TREE_REVERBERATION 154
#define IDS_TREE_REF_REVERBERATION 155
#define IDS_TREE_PROJECT 156
#define IDS_TREE_BGN_CORRECTION_TABLE 214
#define IDS_TREE_TEST_FACILITY 366
#define IDS_TREE_FTM_CORRECTION_TABLE 367
#define IDS_TREE_R_WITH 475
#define IDS_TREE_R_WITHOUT 476
#define IDS_TREE_REFERENCE_FLOOR_WITH 481
#define IDS_TREE_REFERENCE_FLOOR_WITHOUT 482
#define IDS_TREE_LHD_WITHOUT 528
#define IDS_TREE_LBD_WITHOUT 529
#define IDS_TREE_LHR_WITH 530
#define IDS_TREE_LBR_WITH 531
#define IDS_TREE_INTENSITY 533
#define IDS_TREE_SOUND_PRESSURE 545
#define IDS_TREE_RESIDUAL_INTENSITY 546
#define IDS_TREE_CORNER 583
#define IDS_TREE_MY_WORKSPACE 9300

// ---- end of the main frame, tree bar and project windows ----

// ---- Application shell: start-up, settings, workspace (app/) ----
#define IDS_OLE_INIT_FAILED 100
#define IDR_VESTOLARTYPE 129
#define IDS_COMPANY_LABEL 170
#define IDS_BGN_TOO_HIGH 215
#define IDS_WORKSPACE_NOT_SAVED 9600
// ---- end of the application shell ----

// Dialogs and data exchange (window layer)
#define AFX_IDP_PARSE_UINT 61719

// --- Toolkit stand-ins (toolkit/) --------------------------------------------
// Commands of a sizable bar's context menu; their strings are the items' texts.
#define ID_TKSB_ALLOW_DOCKING 26431
#define ID_TKSB_HIDE 26432

// ---- New-project dialog (newproject/) ----
#define IDD_FILE_NEW                             104
#define IDD_BASIC_ELEMENT                        151
#define IDC_METHOD_TREE                          101
#define IDC_ADD_TO_PROJECTS                      1000
#define IDC_METHOD_COMBO                         1004
#define IDC_HEAVYWEIGHT_WALL                     1115
#define IDC_HEAVYWEIGHT_FLOOR                    1116
#define IDC_LIGHTWEIGHT_WALL                     1117
#define IDC_DIRECT                               1118
#define IDC_BASIC_ELEMENT_GROUP                  1119

// ---- Measurement tree: tree commands (app/) ----
#define IDS_CONFIRM_MEASUREMENT_DELETE_CAPTION 161
#define IDS_CONFIRM_MEASUREMENT_DELETE 162
#define IDS_CONFIRM_PROJECT_DELETE_CAPTION 194
#define IDS_CONFIRM_PROJECT_DELETE 195
// The tree's context menu
#define IDR_TREE_CONTEXT_MENU 187
// ---- end of the measurement tree ----

// ---- Measurement tree: assignment dialogs and reverberation import page (app/) ----
#define IDD_REVCALC_PAGE 112
#define IDD_MEAS_ASSIGN 113
#define IDD_MEAS_ASSIGN_CORNER 152
#define IDC_REVERB_SECONDARY 1011
#define IDC_REVERB_PRIMARY 1012
#define IDC_REVERB_AUTO 1013
// Dialog 113: the radio buttons of channel 1 and channel 2, row by row
#define IDC_CHN1_SOURCE_ROOM 1014
#define IDC_CHN1_RECEIVING_ROOM 1015
#define IDC_CHN1_BACKGROUND_NOISE 1016
#define IDC_CHN1_REVERBERATION 1017
#define IDC_CHN1_REF_REVERBERATION 1018
#define IDC_CHN1_NONE 1019
#define IDC_CHN2_SOURCE_ROOM 1020
#define IDC_CHN2_RECEIVING_ROOM 1021
#define IDC_CHN2_BACKGROUND_NOISE 1022
#define IDC_CHN2_REVERBERATION 1023
#define IDC_CHN2_REF_REVERBERATION 1024
#define IDC_CHN2_NONE 1025
// The row labels and the file name of both assignment dialogs
#define IDC_LABEL_SOURCE_ROOM 1066
#define IDC_LABEL_RECEIVING_ROOM 1067
#define IDC_LABEL_BACKGROUND_NOISE 1068
#define IDC_LABEL_REVERBERATION 1069
#define IDC_LABEL_REF_REVERBERATION 1070
#define IDC_ASSIGN_FILE 1071
#define IDC_LABEL_SOURCE_CORNER 1072
#define IDC_LABEL_RECEIVING_CORNER 1073
#define IDC_LABEL_BACKGROUND_CORNER 1074
// Dialog 152: the radio buttons of channel 1 and channel 2, row by row
#define IDC_CORNER_CHN1_SOURCE_ROOM 1120
#define IDC_CORNER_CHN1_RECEIVING_ROOM 1121
#define IDC_CORNER_CHN1_BACKGROUND_NOISE 1122
#define IDC_CORNER_CHN1_REVERBERATION 1123
#define IDC_CORNER_CHN1_SOURCE_CORNER 1124
#define IDC_CORNER_CHN1_RECEIVING_CORNER 1125
#define IDC_CORNER_CHN1_BACKGROUND_CORNER 1126
#define IDC_CORNER_CHN1_REVERBERATION_CORNER 1127
#define IDC_CORNER_CHN1_NONE 1128
#define IDC_CORNER_CHN2_SOURCE_ROOM 1130
#define IDC_CORNER_CHN2_RECEIVING_ROOM 1131
#define IDC_CORNER_CHN2_BACKGROUND_NOISE 1132
#define IDC_CORNER_CHN2_REVERBERATION 1133
#define IDC_CORNER_CHN2_SOURCE_CORNER 1134
#define IDC_CORNER_CHN2_RECEIVING_CORNER 1135
#define IDC_CORNER_CHN2_BACKGROUND_CORNER 1136
#define IDC_CORNER_CHN2_REVERBERATION_CORNER 1137
#define IDC_CORNER_CHN2_NONE 1138
// ---- end of the assignment dialogs and reverberation import page ----
// ---- Measurement tree: drag inside the tree (app/) ----
// Cursors: the item under the cursor takes the drop, or it does not.
#define IDC_TREE_DROP                            117
#define IDC_TREE_NO_DROP                         118
// ---- end of the drag inside the tree ----
// ---- Grid control (grid/) ----
// The find dialog's answer when nothing matches: text and caption.
#define IDS_GRID_ITEM_NOT_FOUND                  9700
#define IDS_GRID_NOT_FOUND_CAPTION               9701
// ---- end of the grid control ----
// ---- Charts and graph cells (reports/) ----
#define IDS_FREQUENCY                            179
#define IDS_GRAPH_FREQUENCY_RANGE                187
#define IDS_GRAPH_REFERENCE_717_1                188
#define IDS_GRAPH_REFERENCE_717_2                189
#define IDS_GRAPH_SHIFTED_717_1                  212
#define IDS_GRAPH_SHIFTED_717_2                  213
#define IDS_GRAPH_OEN_REFERENCE_717_1            232
#define IDS_GRAPH_OEN_REFERENCE_717_2            233
#define IDS_GRAPH_OEN_SHIFTED_717_1              234
#define IDS_GRAPH_OEN_SHIFTED_717_2              235
#define IDS_GRAPH_RATING_RANGE                   416
#define IDS_GRAPH_ISO_717_2                      417
#define IDS_GRAPH_ASTM_REFERENCE                 433
#define IDS_GRAPH_ASTM_IIC                       434
#define IDS_GRAPH_LEVEL                          469
#define IDS_WMF_ALDUS_FORMAT                     26967
#define IDS_WMF_WINDOWS_3X                       26968
// ---- end of the charts and graph cells ----

// ---- Measurement tables (tables/) ----
#define IDR_MEAS_TABLE_CONTEXT_MENU 190
#define IDS_DELETE_SELECTED_MEASUREMENTS 163
#define IDS_TABLE_CORRECTION 242
#define IDS_LEGEND 243
#define IDS_LEGEND_L_AVG 244
#define IDS_LEGEND_SD 245
#define IDS_LEGEND_N 246
#define IDS_LEGEND_L 247
#define IDS_LEGEND_CORR 248
#define IDS_LEGEND_S 250
#define IDS_LEGEND_STATUS_CHARS 251
#define IDS_LEGEND_T 252
#define IDS_LEGEND_T_AVG 253
#define IDS_LEGEND_SUM_A 260
#define IDS_TABLE_BARE_FLOOR 411
#define IDS_TABLE_AREA_SM 548
#define IDS_LEGEND_R_AVG 639
#define IDS_LEGEND_R 640
#define IDS_LEGEND_STATUS_CHARS_LAB 641
#define IDS_LEGEND_POSITIONS 657
#define IDS_LEGEND_POSITIONS_IGNORED 658
// ---- end of the measurement tables ----

// ---- Table clipboard and corrections (tables/) ----
#define IDS_DATA_TYPE_CONFLICT 268
#define IDS_LOCKED_CELLS 271
#define IDS_IDENTICAL_MEASUREMENTS 272
#define IDS_OCTAVE_BANDS_NOT_PROCESSED 273
#define IDD_CORRECTIONS 109
#define IDD_INIT_CORRECTION 110
#define IDC_CORRECTIONS_GRID 1005
#define IDC_CORRECTIONS_COPY 1006
#define IDC_CORRECTIONS_PRINT 1007
#define IDC_INIT_CORRECTION_VALUE 1008
#define IDS_CORRECTIONS_TITLE 150
#define IDS_CORRECTION_CHANNELS 255
#define IDS_CORRECTION_NO_CHANNEL 266
#define IDS_BGN_CORRECTION_REMARK 216
#define IDS_LEGEND_LB 256
#define IDS_LEGEND_L2SB 257
#define IDS_LEGEND_L2 258
#define IDS_LEGEND_BGN 259
#define IDS_LEGEND_D 359
#define IDS_LEGEND_LHW 360
#define IDS_LEGEND_LE 361
#define IDS_MINIMUM_VALUES 396
#define IDS_LEGEND_R_S 397
#define IDS_LEGEND_R_APPARENT_S 398
#define IDS_LEGEND_R_APPARENT_T 399
#define IDS_LEGEND_DNE 400
#define IDS_LEGEND_DNE_M 401
#define IDS_LEGEND_DNE_DIFF 402
#define IDS_LEGEND_DNE_F 403
#define IDS_FLANKING_CORRECTION_REMARK 404
#define IDS_LEGEND_L2_AIRBORNE 421
#define IDS_LEGEND_L2K 422
#define IDS_LEGEND_LEK 423
#define IDS_LEGEND_L_IMPACT 424
#define IDS_LEGEND_CORR_AIRBORNE 425
#define IDS_AIRBORNE_CORR_DIN 497
#define IDS_LEGEND_R_CORRECTED 506
#define IDS_LEGEND_R_M 507
#define IDS_LEGEND_R_F 508
#define IDS_LEGEND_LD_SPK 616
#define IDS_LEGEND_LS_TM 617
#define IDS_LEGEND_LR_TM 618
#define IDS_LEGEND_LR_SPK 619
#define IDS_LEGEND_LRK_SPK 620
#define IDS_LEGEND_LRK_TM 621
#define IDS_LEGEND_DIFF_2014 622
#define IDS_AIRBORNE_CORR_ISO 660
#define IDS_LEGEND_LTS 694
#define IDS_LEGEND_LI 695
#define IDS_LEGEND_LIK 696
// ---- end of the table clipboard and corrections ----
// ---- Tree copy, paste and commands (import/, app/TreeDlg) ----
#define IDS_IMPORT_FILTER 196
#define IDS_IMPORT_TITLE 219
#define IDS_MULTIPLOT_TABLE_FULL 347
#define IDS_IMPORT_TOO_MANY_FILES 9800
// ---- end of the tree copy, paste and commands ----
// ---- Options, About, help and automation (app/) ----
#define IDD_EXPORT_OPTION 106
#define IDD_FREQ_RANGE_PAGE 111
#define IDD_LOOK_OPTION 115
#define IDD_POPUP_WINDOW 116
#define IDD_REPORT_OPTION 148
#define IDS_OPTIONS 254
#define IDC_LOWER_FREQ 9840
#define IDC_UPPER_FREQ 9841
#define IDC_TEMPLATE_DIR 9842
#define IDC_BROWSE_TEMPLATE_DIR 9843
#define IDC_LAUNCH_APPLICATION 9844
#define IDC_EXPORT_EXCEL 9845
#define IDC_EXPORT_WORD 9846
#define IDC_SKIN_CLASSIC 9847
#define IDC_SKIN_OFFICE_XP 9848
#define IDC_SKIN_OFFICE_2003 9849
#define IDC_POPUP_NO_CHANGE 9850
#define IDC_POPUP_TEST_REPORT 9851
#define IDC_POPUP_RESULT_TABLE 9852
#define IDC_EXTENDED_REPORT 9853
#define IDC_BGN_TOO_HIGH_TEXT 9854
#define IDC_SHOW_REPORT_BGN_INDEX 9855
#define IDD_ABOUTBOX 100
#define IDD_VERSION_DETAILS 107
#define IDS_CONTACT_WEB_PAGE 294
#define IDS_CONTACT_MAIL 296
#define IDC_CONTACT_WEB_PAGE 1039
#define IDC_VERSION_DETAILS 1048
#define IDC_ABOUT_VERSION 1049
#define IDC_CONTACT_MAIL 1050
#define IDC_ABOUT_COPYRIGHT 1051
#define IDC_VERSION_DETAILS_TEXT 1052
#define IDS_HELP_FILE_MISSING 9856
// ---- end of the options, About, help and automation ----
// ---- Framework docking (platform/afx/win) ----
// The dock bar inside a floating bar's frame.
#define AFX_IDW_DOCKBAR_FLOAT 59423
// ---- end of framework docking ----
// ---- Result tables (results/) ----
#define IDR_RESULT_CONTEXT_MENU 189
#define IDS_RESULT_AREA_S 176
#define IDS_RESULT_SOURCE_VOLUME 177
#define IDS_RESULT_RECEIVING_VOLUME 178
#define IDS_RESULT_HZ 180
#define IDS_RESULT_DB 181
#define IDS_RESULT_RATING_717_1 182
#define IDS_RESULT_RATING_717_2 183
#define IDS_RESULT_EVALUATION_FIELD 185
#define IDS_RESULT_RATING_OEN_717_1 230
#define IDS_RESULT_RATING_OEN_717_2 231
#define IDS_RESULT_DEVIATION 261
#define IDS_RESULT_DEVIATION_SUM 262
#define IDS_RESULT_MAX_DEVIATION 263
#define IDS_RESULT_AT 264
#define IDS_RESULT_USAGE_VALUE 343
#define IDS_RESULT_AIRBORNE_CORRECTION_TABLE 356
#define IDS_RESULT_AIR_HUMIDITY 393
#define IDS_RESULT_EVALUATION_LAB 394
#define IDS_RESULT_RECEIVING_TEMPERATURE 435
#define IDS_RESULT_ASTC 437
#define IDS_RESULT_AIIC 438
#define IDS_RESULT_LEVEL_OVERVIEW 466
#define IDS_RESULT_VOLUME_LIMITED_AIRBORNE 467
#define IDS_RESULT_VOLUME_LIMITED_IMPACT 468
#define IDS_RESULT_AREA_SM 547
#define IDS_RESULT_AREA_SB2 549
#define IDS_RESULT_KC 551
#define IDS_RESULT_STC 560
#define IDS_RESULT_IIC 566
#define IDS_RESULT_NISR 570
#define IDS_RESULT_NNIC 574
#define IDS_RESULT_NIC 578
#define IDS_RESULT_COMMON_PARTITION 659
#define IDS_RESULT_ANGLE 679
#define IDS_RESULT_RELATIVE_HUMIDITY 281
#define IDS_RESULT_TEMPERATURE 282
#define IDS_RESULT_SURFACE_AREA 283
#define IDS_RESULT_REVERBERATION_ROOM_VOLUME 284
#define IDS_RESULT_ALPHA_W_RATING 285
#define IDS_RESULT_EMPTY_ROOM 446
#define IDS_RESULT_ROOM_WITH_OBJECT 447
#define IDS_RESULT_BAROMETRIC_PRESSURE 470
// ---- end of the result tables ----
// ---- Laboratory result page (results/ResultLabTabGrid) ----
#define IDS_RESULT_TEST_OPENING 391
#define IDS_RESULT_MASS_PER_AREA 392
#define IDS_RESULT_CURING_TIME 395
#define IDS_RESULT_BACKGROUND_NOISE 405
#define IDS_RESULT_FLANKING_TRANSMISSION 406
#define IDS_RESULT_TOO_HIGH 407
#define IDS_RESULT_EVALUATION_ARTIFICIAL_SOURCE 413
#define IDS_RESULT_WEIGHTED_IMPACT_LEVEL 415
#define IDS_RESULT_REFERENCE_FLOOR_TYPE 484
// ---- end of the laboratory result page ----
// ---- Test reports (reports/) ----
#define IDS_REPORT_DATE_LABEL 172
#define IDS_REPORT_SIGNATURE_LABEL 173
#define IDS_REPORT_CLIENT_LABEL 174
#define IDS_REPORT_TEST_DATE_LABEL 175
// ---- end of the test reports ----
// ---- Sibling programs and the embedded document (app/) ----
// The container's in-place resources of the document templates
#define IDR_CNTR_INPLACE 6
#define IDR_ACTIVEDOCSERVER 158
#define IDP_FAILED_TO_CREATE 102
#define IDS_KELSCOPE_CREATE_FAILED 10150
#define IDS_KELPORT_CREATE_FAILED 10151
// ---- end of the sibling programs and the embedded document ----
// ---- Serial instrument link (instrument/) ----
#define IDD_RIRO_READ 144
#define IDD_RIRO_WRITE 145
#define IDD_RIRO_START 146
#define IDC_RIRO_READ_COM 1076
#define IDC_RIRO_TITLE 1077
#define IDC_RIRO_AVERAGED 1078
#define IDC_RIRO_LAST 1079
#define IDC_RIRO_TITLE2 1080
#define IDC_RIRO_AIRBORNE 1080
#define IDC_RIRO_IMPACT 1081
#define IDC_RIRO_REVERB 1082
#define IDC_RIRO_AIR_MLS 1083
#define IDC_RIRO_IMPACT_CH1 1084
#define IDC_RIRO_IMPACT_CH2 1085
#define IDC_RIRO_REVERB_MLS 1086
#define IDC_RIRO_REVERB_CH1 1087
#define IDC_RIRO_REVERB_CH2 1088
#define IDC_RIRO_REVERB_HELP 1089
#define IDC_RIRO_WRITE_COM 1090
#define IDC_RIRO_AIR_HELP 1091
#define IDC_RIRO_IMPACT_HELP 1092
#define IDC_RIRO_AIR_FS1 1093
#define IDC_RIRO_AIR_FS2 1094
#define IDC_RIRO_IMPACT_FS 1095
#define IDC_RIRO_REVERB_AVRG 1096
#define IDC_RIRO_REVERB_NOISE 1097
#define IDC_RIRO_REVERB_FS 1098
#define IDC_RIRO_AIR_AVRG 1099
#define IDC_RIRO_AIR_NOISE 1100
#define IDC_RIRO_SPIN_AIR_AVRG 1101
#define IDC_RIRO_SPIN_AIR_NOISE 1102
#define IDC_RIRO_SPIN_AIR_FS1 1103
#define IDC_RIRO_SPIN_AIR_FS2 1104
#define IDC_RIRO_SPIN_REVERB_AVRG 1105
#define IDC_RIRO_SPIN_REVERB_NOISE 1106
#define IDC_RIRO_SPIN_REVERB_FS 1107
#define IDC_RIRO_SPIN_IMPACT_FS 1108
#define IDC_RIRO_PROGRESS 1109
#define IDC_RIRO_COMMAND 1110
#define IDC_RIRO_COMMAND_LABEL 1111
#define IDC_RIRO_TIME 1112
#define IDS_RIRO_PORT_RETRY_READ 10100
#define IDS_RIRO_STATUS_RUNNING 10101
#define IDS_RIRO_STATUS_PAUSE 10102
#define IDS_RIRO_STATUS_WAITING 10103
#define IDS_RIRO_READ_NOT_CONNECTED 10104
#define IDS_RIRO_REGISTER_IS_EMPTY 10105
#define IDS_RIRO_REGISTER_EMPTY_LEQ 10106
#define IDS_RIRO_REGISTER_EMPTY_T20 10107
#define IDS_RIRO_OVERLOAD 10108
#define IDS_RIRO_NOT_STANDBY 10109
#define IDS_RIRO_PORT_RETRY_START 10110
#define IDS_RIRO_START_NOT_CONNECTED 10111
#define IDS_RIRO_SENSITIVITY 10112
#define IDS_RIRO_RANGE_ERROR 10113
#define IDS_RIRO_FULLSCALE_RANGE 10114
#define IDS_RIRO_AVERAGES_RANGE 10115
#define IDS_RIRO_NOISE_DISTANCE_RANGE 10116
#define IDS_RIRO_NO_ANSWER 10117
#define IDS_RIRO_SHORT_BANDS 10118
#define IDS_RIRO_NO_CHANNEL 10119
#define IDS_RIRO_COMMAND_NOT_SENT 10120
// ---- end of the serial instrument link ----
// ---- Excel export (export/, app/) ----
#define IDS_EXPORT_EXCEL_FILTER 157
#define IDS_EXPORT_RESULTS_TITLE 236
#define IDS_EXPORT_TEMPLATE_NOT_FOUND 278
#define IDS_EXPORT_BROWSE_TEMPLATE 279
#define IDS_EXPORT_NOT_SAVED 280
#define IDS_EXPORT_WORD_FILTER 414
#define IDS_EXPORT_FILE_EXISTS 452
#define IDS_EXPORT_REPLACE_ALL 453
#define IDS_EXPORT_AIRBORNE_DIN_ACTIVE 697
#define IDS_EXPORT_LEGACY_WORKBOOK 10000
#define IDS_EXPORT_DAMAGED_WORKBOOK 10001
#define IDS_EXPORT_ALL_TO_SHEETS_DONE 10002
#define IDS_EXPORT_DATA_WORKBOOK_MISSING 10003
#define IDS_EXPORT_REPORT_GENERATOR_MISSING 10004
#define IDS_EXPORT_REPORT_GENERATOR_FAILED 10005
#define IDS_EXPORT_GENERATE_REPORT_FAILED 10006
// ---- end of the Excel export ----
// ---- Reverberation report page (reports/) ----
#define IDS_REPORT_NOISE_TYPE 351
#define IDS_REPORT_ROOM_IDENTIFICATION 352
#define IDS_REPORT_ROOM_REMARKS 353
#define IDS_REPORT_DIN52216_TITLE 348
#define IDS_REPORT_ISO3382_TITLE 357
#define IDS_REPORT_ISO3382_SINGLE_FIGURE 363
// ---- end of the reverberation report page ----
// ---- Extended, SIA 181 and laboratory report pages (reports/) ----
// IDS_REPORT_NOISE_TYPE (351) is the reverberation page's.
#define IDS_REPORT_MANUFACTURER 386
#define IDS_REPORT_MOUNTED_BY 387
#define IDS_REPORT_SPECIMEN_DESCRIPTION 388
#define IDS_REPORT_PRODUCT_ID 389
#define IDS_REPORT_TEST_ROOM_ID 390
#define IDS_REPORT_CONDITION 454
#define IDS_REPORT_TYPE 455
#define IDS_REPORT_LOCATION 456
#define IDS_REPORT_RECEIVING_FILTER 457
#define IDS_REPORT_OCTAVE 483
// ---- end of the extended, SIA 181 and laboratory report pages ----
// ---- Multiplot ----
#define IDR_MULTIPLOT_TABLE_CONTEXT_MENU 191
// ---- end of the multiplot ----
// ---- framework, docking layer (platform/afx/) ----
#define IDS_AFX_RESOURCE_EXCEPTION 10400
#define IDS_AFX_NOT_SUPPORTED_EXCEPTION 10401
// ---- end of the framework's docking layer ----
// ---- Printing (app/, reports/, results/, tables/) ----
#define IDD_PAGE_SETUP 114
#define IDD_MULTIPLE_PRINT 147
#define IDC_PRINT_TEST_REPORT 1040
#define IDC_PRINT_RESULT_TABLE 1041
#define IDC_PRINT_BGN_CORRECTION 1042
#define IDC_PRINT_FTM_CORRECTION 1043
#define IDC_PRINT_SOURCE_ROOM 1044
#define IDC_PRINT_RECEIVING_ROOM 1045
#define IDC_PRINT_SOURCE_ROOM_AIRBORNE 1046
#define IDC_PRINT_RECEIVING_ROOM_AIRBORNE 1047
#define IDC_PRINT_BACKGROUND_NOISE 1048
#define IDC_PRINT_REVERBERATION 1049
#define IDC_PRINT_REF_REVERBERATION 1050
#define IDC_PRINT_TEST_FACILITY 1051
#define IDC_PRINT_MULTIPLOT 1052
#define IDC_PAGE_SETUP_HEADER_LEFT 10300
#define IDC_PAGE_SETUP_HEADER_CENTER 10301
#define IDC_PAGE_SETUP_HEADER_RIGHT 10302
#define IDC_PAGE_SETUP_FOOTER_LEFT 10303
#define IDC_PAGE_SETUP_FOOTER_CENTER 10304
#define IDC_PAGE_SETUP_FOOTER_RIGHT 10305
#define IDC_PAGE_SETUP_TOP 10306
#define IDC_PAGE_SETUP_LEFT 10307
#define IDC_PAGE_SETUP_TOP_SPIN 10308
#define IDC_PAGE_SETUP_LEFT_SPIN 10309
#define IDC_PAGE_SETUP_PRINT_LEGEND 10310
#define IDS_PRINT_NO_PRINTER 10320
// ---- end of the printing ----
// ---- Multiplot set-up (multiplot/) ----
#define IDD_MULTIPLOT_SETUP 120
#define IDB_LINE_SOLID_1 121
#define IDB_LINE_DASH 122
#define IDB_LINE_DOT 123
#define IDB_LINE_DASH_DOT 124
#define IDB_LINE_DASH_DOT_DOT 125
#define IDB_LINE_SOLID_2 126
#define IDB_LINE_SOLID_3 127
#define IDB_LINE_SOLID_4 129
#define IDB_LINE_SOLID_5 130
#define IDB_LINE_BLANK 138
#define IDS_MULTIPLOT_LINE_STYLE 344
#define IDS_MULTIPLOT_LINE_COLOR 345
#define IDS_MULTIPLOT_LINE_TITLE 346
#define IDC_MULTIPLOT_APPLY 4
#define IDC_MULTIPLOT_CURVES 1005
#define IDC_MULTIPLOT_AXIS_TITLE 1012
#define IDC_MULTIPLOT_LEVEL 1057
#define IDC_MULTIPLOT_REVERBERATION 1058
#define IDC_MULTIPLOT_ABSORPTION 1059
#define IDC_MULTIPLOT_AUTOSCALE 1060
#define IDC_MULTIPLOT_MAX 1061
#define IDC_MULTIPLOT_RANGE 1062
#define IDC_MULTIPLOT_GRAPH_TITLE 1063
#define IDC_MULTIPLOT_THICKNESS 1064
#define IDC_MULTIPLOT_PATTERN 1065
// ---- end of the multiplot set-up ----
// ---- framework, help mode (platform/afx/) ----
#define AFX_IDS_HELPMODEMESSAGE 57346
#define ID_DEFAULT_HELP 57671
// ---- end of the framework's help mode ----
// ---- toolkit, link statics (toolkit/skins/) ----
#define IDS_TK_LINK_ACTION_NONE 26623
#define IDS_TK_LINK_ACTION_USER 26624
#define IDS_TK_LINK_ACTION_OPEN 26625
#define IDS_TK_LINK_ACTION_PRINT 26626
#define IDS_TK_LINK_ACTION_EXPLORE 26627
#define IDS_TK_LINK_ACTION_MAIL 26628
#define IDS_TK_LINK_ACTION_FAILED 26629
#define IDS_TK_LINK_UNKNOWN_ACTION 26630
#define IDS_TK_LINK_OUT_OF_MEMORY 26631
#define IDS_TK_LINK_FILE_NOT_FOUND 26632
#define IDS_TK_LINK_PATH_NOT_FOUND 26633
#define IDS_TK_LINK_ACCESS_DENIED 26634
#define IDS_TK_LINK_NOT_ENOUGH_MEMORY 26635
#define IDS_TK_LINK_BAD_FORMAT 26636
#define IDS_TK_LINK_SHARING_VIOLATION 26637
#define IDS_TK_LINK_ASSOCIATION_INCOMPLETE 26638
#define IDS_TK_LINK_DDE_TIMEOUT 26639
#define IDS_TK_LINK_DDE_FAILED 26640
#define IDS_TK_LINK_DDE_BUSY 26641
#define IDS_TK_LINK_NO_ASSOCIATION 26642
#define IDS_TK_LINK_DLL_NOT_FOUND 26643
#define IDS_TK_LINK_UNKNOWN_ERROR 26644
#define IDC_TK_LINK_CURSOR 28020
// ---- end of the toolkit's link statics ----
// ---- toolkit, sizable dock bars and their drag (toolkit/frames/) ----
#define IDS_TK_PREVENT_DOCKING 26430
// ---- end of the toolkit's sizable dock bars ----
// ---- toolkit, cool toolbar (toolkit/frames/) ----
#define IDS_TK_TB_DELETE 26585
#define IDS_TK_TB_BUTTON_APPEARANCE 26586
#define IDS_TK_TB_IMAGE_ONLY 26587
#define IDS_TK_TB_IMAGE_AND_TEXT 26588
#define IDS_TK_TB_SEPARATOR_BEFORE 26589
#define IDS_TK_TB_SEPARATOR_AFTER 26590
// ---- end of the toolkit's cool toolbar ----
