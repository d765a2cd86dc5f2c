/* Resource identifiers, shared by the resource scripts and the C++ sources. */
#ifndef ZEMIT_RESOURCE_H
#define ZEMIT_RESOURCE_H

/* Dialog templates, menu, icons, cursor */
#define IDD_MAIN 4002
#define IDD_ABOUT 102
#define IDD_FTP_ACCOUNT 4003
#define IDD_HELP 4004
#define IDD_PRACTICE 4005
#define IDD_WORKSHEET 4006
/* A class test: the teacher prepares it, a pupil takes it, the teacher
   reads the class's results. Their controls: 3200-3249, 3250-3299, 3300-3349. */
#define IDD_TEST_PREPARE 4007
#define IDD_TEST_TAKE 4008
#define IDD_TEST_RESULTS 4009
#define IDR_MAIN_MENU 101
#define IDI_LARGE 100
#define IDI_SMALL 5002
#define IDC_HAND_CURSOR 5003

/* Main dialog controls */
#define IDC_NAME_OK 3007
#define IDC_CLOSE_BUTTON 3001
#define IDC_FORMULA_HEADING 8012
#define IDC_NAME_RESULT 8002
#define IDC_SYMBOL 8005
#define IDC_ELEMENT_COUNT 8007
#define IDC_OXYGEN 8009
#define IDC_OXYGEN_COUNT 8011
#define IDC_STEM 1001
#define IDC_SUFFIX 8014
#define IDC_COMPOSE_OK 8016
#define IDC_FORMULA_RESULT 8018
#define IDC_FORMULA_LABEL 1000
#define IDC_NO_SUCH_CONTROL 1303
/* The first label without an identifier gets the label font. */
#define IDC_UNNAMED (-1)

/* Main menu */
#define IDM_ABOUT 6001
#define IDM_EXIT 6003
#define IDM_HELP 6004
#define IDM_CHECK_VERSION 6005
#define IDM_PRACTICE 6006
#define IDM_WORKSHEET 6007
#define IDM_TEST_PREPARE 6008
#define IDM_TEST_TAKE 6009
#define IDM_TEST_RESULTS 6010

/* About dialog */
#define IDC_VERSION_LINE 3012
#define IDC_HOME_LINK 3006

/* Help viewer */
#define IDC_HELP_TEXT 3008

/* Practice and worksheet dialogs (the choices are shared) */
#define IDC_DIRECTION_TO_NAME 3101
#define IDC_DIRECTION_TO_FORMULA 3102
#define IDC_DIRECTION_MIXED 3103
#define IDC_QUESTION_COUNT 3104
#define IDC_PRACTICE_START 3105
#define IDC_PRACTICE_PROGRESS 3106
#define IDC_PRACTICE_TASK 3107
#define IDC_PRACTICE_PROMPT 3108
#define IDC_PRACTICE_ANSWER 3109
#define IDC_PRACTICE_SUBMIT 3110
#define IDC_PRACTICE_VERDICT 3111
#define IDC_PRACTICE_MISTAKES 3113
#define IDC_PRACTICE_REDO 3114
#define IDC_LEVEL_PRIMARY 3115
#define IDC_LEVEL_SECONDARY 3116
/* The kinds of compound, one check box each, in the order of practice::Kinds() */
#define IDC_KIND_OXIDES 3117
#define IDC_KIND_HYDROXIDES 3118
#define IDC_KIND_HALIDES 3119
#define IDC_KIND_SULFIDES 3120
#define IDC_KIND_PEROXIDES 3121
#define IDC_KIND_BINARY_ACIDS 3122
#define IDC_KIND_OXOACIDS 3123
#define IDC_KIND_SALTS 3124
#define IDC_KIND_HYDROGEN_SALTS 3125
#define IDC_KIND_HYDRATES 3126
#define IDC_KIND_COMPLEXES 3127
#define IDC_KIND_TRIVIAL 3128
// Past the kinds, which follow IDC_KIND_OXIDES in the order of practice::Kind.
#define IDC_KIND_ALL 3140

/* Taking a class test: signing in, the questions, the result */
#define IDC_TEST_HEADING 3250
#define IDC_TEST_NAME_LABEL 3251
#define IDC_TEST_PUPIL_NAME 3252
#define IDC_TEST_CLASS_LABEL 3253
#define IDC_TEST_PUPIL_CLASS 3254
#define IDC_TEST_BEGIN 3255
#define IDC_TEST_VARIANT 3256
#define IDC_TEST_TIME 3257
#define IDC_TEST_PROGRESS 3258
#define IDC_TEST_TASK 3259
#define IDC_TEST_PROMPT 3260
#define IDC_TEST_ANSWER_LABEL 3261
#define IDC_TEST_ANSWER 3262
#define IDC_TEST_PREVIOUS 3263
#define IDC_TEST_NEXT 3264
#define IDC_TEST_HAND_IN 3265
#define IDC_TEST_QUESTIONS_LABEL 3266
#define IDC_TEST_QUESTIONS 3267
#define IDC_TEST_RESULT 3268
#define IDC_TEST_REPORT 3269
/* Preparing a class test */
#define IDC_TEST_TITLE 3200
#define IDC_TEST_VARIANTS 3201
#define IDC_TEST_MINUTES 3202
/* The lowest per cent for marks 1 to 4, in turn */
#define IDC_TEST_MARK1 3203
#define IDC_TEST_MARK2 3204
#define IDC_TEST_MARK3 3205
#define IDC_TEST_MARK4 3206
#define IDC_TEST_SAVE 3207
#define IDC_TEST_SAVE_SHEETS 3208
/* The teacher's own choice of compounds, in the test and worksheet dialogs */
#define IDC_OWN_CHOICE 3230
#define IDC_OWN_FILTER 3231
#define IDC_OWN_LIST 3232
#define IDC_OWN_CHOSEN 3233

/* FTP account dialog */
#define IDC_FTP_HOST 3003
#define IDC_FTP_PASSWORD 3004
#define IDC_FTP_USER 3005
#define IDC_FTP_OK 7001
#define IDC_FTP_CANCEL 3013

/* The class's results of a test */
#define IDC_RESULTS_TITLE 3300
#define IDC_RESULTS_ABOUT 3301
#define IDC_RESULTS_STATE 3302
#define IDC_RESULTS_TABLE_LABEL 3303
#define IDC_RESULTS_TABLE 3304
#define IDC_RESULTS_QUESTIONS_LABEL 3305
#define IDC_RESULTS_QUESTIONS 3306
#define IDC_RESULTS_UNREADABLE_LABEL 3307
#define IDC_RESULTS_UNREADABLE 3308
#define IDC_RESULTS_REFRESH 3309
#define IDC_RESULTS_SAVE_CSV 3310
#define IDC_RESULTS_SAVE_RTF 3311

#endif
