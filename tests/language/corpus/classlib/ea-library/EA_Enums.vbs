'[path=\Framework\Utils]
'[group=Utils]


!INC Local Scripts.EAConstants-VBScript

'
' Script Name: EA Enums
' Author: Geert Bellekens
' Purpose: Contains the enums missed by EAConstants-VBScript
' Date: 2017-10-20
' EA-Matic
'
' Version Control Status
' From http://www.sparxsystems.com/enterprise_architect_user_guide/13.5/automation/package_2.html
const csUncontrolled 				= 0
const csCheckedIn 					= 1
const csCheckedOutToThisUser 		= 2
const csReadOnlyVersion 			= 3
const csCheckedOutToAnotherUser 	= 4
const csOfflineCheckedIn 			= 5
const csCheckedOutOfflineByUser 	= 6
const csCheckedOutOfflineByOther 	= 7
const csDeleted 					= 8