/* Identifiers that belong to the framework rather than the game: the help command
   that F1 becomes, the framework's message text, and the resource type of the dialog
   initialisation data it applies. Plain #defines: the resource scripts include this file
   too. */
#ifndef ZODEDU_FRAMEWORK_RESOURCE_H
#define ZODEDU_FRAMEWORK_RESOURCE_H

#define ID_HELP_COMMAND 57669
#define IDS_FAILED_TO_LAUNCH_HELP 61703

/* The resource type of a dialog's initialisation data: the items its lists get as it opens */
#define RT_DIALOG_INIT 240

#endif
