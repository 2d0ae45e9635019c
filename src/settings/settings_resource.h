/* The string-table entries the settings store loads at each access: the profile section
   and the registry path (which ends with a backslash; the setting's key follows it). */
#ifndef ZODEDU_SETTINGS_RESOURCE_H
#define ZODEDU_SETTINGS_RESOURCE_H

#define IDS_PROFILE_SECTION 20000
#define IDS_REGISTRY_PATH 20001

#endif
