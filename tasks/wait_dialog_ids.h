// Resource identifiers of the "Processing" wait dialog.
#pragma once

#define IDD_TASK_WAIT 316
#define IDC_TASK_PROGRESS 1038
#define IDC_TASK_LABEL 1039
