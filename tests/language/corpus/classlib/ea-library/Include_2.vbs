'[path=\Framework\ModelValidation]
'[group=ModelValidation]

'include constants
!INC Local Scripts.EAConstants-VBScript

'include the util group
!INC Utils.Include
'include the Atrials Rules group
!INC Atrias Rules.Include

'include the scripts in this folder
!INC ModelValidation.ModelValidator
!INC ModelValidation.ValidationResult
'!INC ModelValidation.Rule this is actually a template -> equivalent of an abstract class
!INC ModelValidation.TestRule