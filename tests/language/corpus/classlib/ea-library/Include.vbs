'[path=\Framework\EAWrappers]
'[group=EAWrappers]

!INC EAWrappers.EAAttribute
!INC EAWrappers.EAConnector
!INC EAWrappers.EAElement
!INC EAWrappers.EAPackage
!INC EAWrappers.EATaggedValue
