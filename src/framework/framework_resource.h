/* Identifiers that belong to the framework rather than the game: the help command
   that F1 becomes, and the framework's message text. Plain #defines: the resource
   scripts include this file too. */
#ifndef ZODEDU_FRAMEWORK_RESOURCE_H
#define ZODEDU_FRAMEWORK_RESOURCE_H

#define ID_HELP_COMMAND 57669
#define IDS_FAILED_TO_LAUNCH_HELP 61703

#endif
