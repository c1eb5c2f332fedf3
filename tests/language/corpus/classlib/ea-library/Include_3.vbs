'[path=\Framework\OCL]
'[group=OCL]

!INC OCL.OCLStatement
!INC OCL.Schema
!INC OCL.SchemaElement
!INC OCL.SchemaProperty
